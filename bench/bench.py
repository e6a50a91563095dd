#!/usr/bin/env python3
"""Times each program at its input limits.

Usage: bench/bench.py [PROGRAM ...] [--runs N]

Builds the Release preset, writes every input (fixed seeds) to
build/bench/<case>/, runs each case N times (default 5) and prints the
median, lowest and highest wall time, the peak resident memory and the size
of the output file.
"""
import argparse
import os
import random
import statistics
import subprocess
import sys
import time
from pathlib import Path

ROOT = Path(__file__).resolve().parent.parent
BIN = ROOT / "build" / "bin"
WORK = ROOT / "build" / "bench"


def competition_cases():
    yield "competition 4000x4001", "4000 4001\n"
    yield "competition 4001x4000", "4001 4000\n"


CASES = {"competition": competition_cases}


def run_once(program, folder):
    start = time.perf_counter()
    child = subprocess.Popen([str(BIN / program)], cwd=folder,
                             stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
    _, status, usage = os.wait4(child.pid, 0)
    seconds = time.perf_counter() - start
    if os.waitstatus_to_exitcode(status) != 0:
        sys.exit(f"{program} failed in {folder}")
    return seconds, usage.ru_maxrss / 1024


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("programs", nargs="*", default=list(CASES))
    parser.add_argument("--runs", type=int, default=5)
    args = parser.parse_args()
    subprocess.run(["cmake", "--preset", "release"], cwd=ROOT, check=True,
                   stdout=subprocess.DEVNULL)
    subprocess.run(["cmake", "--build", "--preset", "release"], cwd=ROOT, check=True,
                   stdout=subprocess.DEVNULL)
    print(f"{'case':40} {'median s':>9} {'min s':>7} {'max s':>7} {'peak MB':>8} {'out MB':>7}")
    for program in args.programs:
        for name, text in CASES[program]():
            folder = WORK / name.replace(" ", "_").replace(",", "")
            folder.mkdir(parents=True, exist_ok=True)
            (folder / f"{program}.in").write_text(text)
            runs = [run_once(program, folder) for _ in range(args.runs)]
            times = [s for s, _ in runs]
            peak = max(m for _, m in runs)
            out = (folder / f"{program}.out").stat().st_size / 1e6
            print(f"{name:40} {statistics.median(times):9.3f} {min(times):7.3f} "
                  f"{max(times):7.3f} {peak:8.1f} {out:7.1f}", flush=True)


if __name__ == "__main__":
    main()
