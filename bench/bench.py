#!/usr/bin/env python3
"""Times each program at its input limits.

Usage: bench/bench.py [PROGRAM ...] [--runs N]

Builds the Release preset, writes every input (fixed seeds) to
build/bench/<case>/, runs each case N times (default 5) and prints the
median, lowest and highest wall time, the peak resident memory, the size
of the output file and, for bipartite, the number of moves of its search.
"""
import argparse
import heapq
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
    yield "competition 4000x4001", "4000 4001\n", ""
    yield "competition 4001x4000", "4001 4000\n", ""


def queue_input(n, m, k, customers):
    return f"{n} {m} {k}\n" + "".join(f"{t} {h}\n" for t, h in customers)


def queue_cases():
    for n in (10000, 100000):
        # One place, retrials at every instant: nearly everyone waits long.
        yield f"queue blocked n={n}", queue_input(
            n, 1, 1, [(j, 1000 + j % 7) for j in range(n)]), ""
    for n in (10000, 100000):
        rng = random.Random(n)
        arrivals = sorted(rng.randrange(n * 50) for _ in range(n))
        yield f"queue random n={n}", queue_input(
            n, 5, 37, [(t, rng.randrange(1, 400)) for t in arrivals]), ""


def bipartite_moves(n, edges):
    """Moves of the local search, and words of move bits (64 vertices each)
    read by its scans: the lowest vertex with more neighbours on its own
    side, found with a heap rather than a scan."""
    adj = [[] for _ in range(n)]
    for u, v in edges:
        adj[u - 1].append(v - 1)
        adj[v - 1].append(u - 1)
    side = [0] * n
    side[0] = 1
    same = [sum(side[w] == side[i] for w in adj[i]) for i in range(n)]
    cross = [len(adj[i]) - same[i] for i in range(n)]
    heap = [i for i in range(n) if cross[i] < same[i]]
    heapq.heapify(heap)
    moves = scanned = 0
    while heap:
        d = heapq.heappop(heap)
        if cross[d] >= same[d]:
            continue  # no longer a candidate
        for w in adj[d]:
            if side[w] == side[d]:
                same[w] -= 1
                cross[w] += 1
            else:
                cross[w] -= 1
                same[w] += 1
                if cross[w] < same[w]:
                    heapq.heappush(heap, w)
        same[d], cross[d] = cross[d], same[d]
        side[d] ^= 1
        moves += 1
        scanned += d // 64 + 1
    return moves, scanned + (n + 63) // 64


def bipartite_cases():
    for n, m in ((100000, 200000), (100000, 1000000), (1000000, 2000000), (2000, 200000)):
        rng = random.Random(m + n)
        edges = []
        while len(edges) < m:
            u, v = rng.randint(1, n), rng.randint(1, n)
            if u != v:
                edges.append((u, v))
        moves, scanned = bipartite_moves(n, edges)
        text = f"{n} {m}\n" + "".join(f"{u} {v}\n" for u, v in edges)
        yield f"bipartite n={n} m={m}", text, f"{moves} moves, {scanned:.2e} word reads"


def minimal_cases():
    n, q = 100000, 1000000
    for letters in ("abcdefghijklmnopqrstuvwxyz", "ab"):
        rng = random.Random(len(letters))
        word = "".join(rng.choice(letters) for _ in range(n))
        lines = []
        for _ in range(q):
            a, b = sorted((rng.randint(1, n), rng.randint(1, n)))
            lines.append(f"{a} {b}\n")
        yield f"minimal {len(letters)} letters q={q}", f"{word}\n{q}\n" + "".join(lines), ""


CASES = {"competition": competition_cases, "queue": queue_cases, "bipartite": bipartite_cases,
         "minimal": minimal_cases}


def run_once(program, folder):
    """Wall seconds and peak resident MB of one run. The peak comes from
    /usr/bin/time: a child forked from this (large) Python process would
    report this process's resident size as its own peak."""
    peak_file = folder / "peak_kb"
    start = time.perf_counter()
    done = subprocess.run(["/usr/bin/time", "-f", "%M", "-o", str(peak_file), str(BIN / program)],
                          cwd=folder, stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
    seconds = time.perf_counter() - start
    if done.returncode != 0:
        sys.exit(f"{program} failed in {folder}")
    return seconds, int(peak_file.read_text().split()[-1]) / 1024


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
        for name, text, note in CASES[program]():
            folder = WORK / name.replace(" ", "_").replace(",", "")
            folder.mkdir(parents=True, exist_ok=True)
            (folder / f"{program}.in").write_text(text)
            runs = [run_once(program, folder) for _ in range(args.runs)]
            times = [s for s, _ in runs]
            peak = max(m for _, m in runs)
            out = (folder / f"{program}.out").stat().st_size / 1e6
            print(f"{name:40} {statistics.median(times):9.3f} {min(times):7.3f} "
                  f"{max(times):7.3f} {peak:8.1f} {out:7.1f}  {note}", flush=True)


if __name__ == "__main__":
    main()
