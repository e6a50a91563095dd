#!/usr/bin/env python3
"""Times each program at its input limits, and draws how its cost grows.

Usage: bench/bench.py [PROGRAM ...] [--runs N] [--huge DIR [--friendster]] [--phases]
       bench/bench.py [PROGRAM ...] --draw SVG [--runs N] [--huge DIR]
       bench/bench.py --draw SVG --figures JSON

Builds the Release preset, writes every input (fixed seeds) to
build/bench/<case>/ (minimal's 10^7 queries, 130 MB, to a temporary
folder outside the work tree, removed after its runs), runs each case N
times (default 5) and prints the median, lowest and highest wall time,
the peak resident memory, the size of the output file and, for the
smaller bipartite graphs, the number of moves of its search. --huge DIR adds bipartite at 10^8 vertices and
2*10^8 edges, whose input of about 3.5 GB is written to DIR (outside the
work tree) and removed after its runs; with --friendster, also an R-MAT
graph of Friendster's size (2^26 vertices, 1,806,067,135 edges, 32 GB of
text, about 12 minutes to write), run once. --phases also builds bipartite with
its phase times (in build-phases/) and runs each bipartite case once more
there, printing the time and page faults of each of its phases.

--draw SVG times each program at three sizes or more up to its limit
instead (bipartite: random graphs, R-MAT graphs and graphs with sparse
vertex numbers), and draws the median time and the peak memory against
the input's size on logarithmic axes, a panel a program, each line's
fitted slope in its legend, with the machine, the commit and the date.
The figures go to JSON beside the SVG; --figures JSON draws them again
without measuring. Drawing takes matplotlib (apt-get install
python3-matplotlib); without it the figures are measured and saved, and
the picture is left out, with a line that says so.

Large graphs come from bench/graph.cpp, built here with the C++ compiler
(`c++`, or $CXX): Python would take minutes to write them.
"""
import argparse
import heapq
import json
import os
import random
import shutil
import statistics
import subprocess
import sys
import tempfile
import time
from pathlib import Path

ROOT = Path(__file__).resolve().parent.parent
BIN = ROOT / "build" / "bin"
PHASES = ROOT / "build-phases"
WORK = ROOT / "build" / "bench"
GRAPH = WORK / "graph"


# A case is (name, a function that writes its input to a path, a note).

def text(content):
    return lambda path: path.write_text(content)


def competition_cases():
    yield "competition 4000x4001", text("4000 4001\n"), ""
    yield "competition 4001x4000", text("4001 4000\n"), ""
    # The longest table and a wide one: 600 MB and 1.8 GB of output.
    yield "competition 10^8x3", text("100000000 3\n"), ""
    yield "competition 30000x30001", text("30000 30001\n"), ""


def queue_input(n, m, k, customers):
    return f"{n} {m} {k}\n" + "".join(f"{t} {h}\n" for t, h in customers)


def queue_cases():
    for n in (10000, 100000):
        # One place, retrials at every instant: nearly everyone waits long.
        yield f"queue blocked n={n}", text(queue_input(
            n, 1, 1, [(j, 1000 + j % 7) for j in range(n)])), ""
    for n in (10000, 100000):
        rng = random.Random(n)
        arrivals = sorted(rng.randrange(n * 50) for _ in range(n))
        yield f"queue random n={n}", text(queue_input(
            n, 5, 37, [(t, rng.randrange(1, 400)) for t in arrivals])), ""


def bipartite_moves(n, edges):
    """Moves of the local search: the lowest vertex with more neighbours
    on its own side, found with a heap."""
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
    moves = 0
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
    return moves


def graph(*args):
    """Writes a graph with bench/graph.cpp: N M SEED [LOW] for m random
    edges among LOW..N, or its other kinds (see there)."""
    def write(path):
        with open(path, "wb") as out:
            subprocess.run([str(GRAPH)] + [str(a) for a in args], stdout=out, check=True)
    return write


def bipartite_cases(huge, friendster=False):
    for n, m in ((100000, 200000), (100000, 1000000), (1000000, 2000000), (2000, 200000)):
        rng = random.Random(m + n)
        edges = []
        while len(edges) < m:
            u, v = rng.randint(1, n), rng.randint(1, n)
            if u != v:
                edges.append((u, v))
        moves = bipartite_moves(n, edges)
        content = f"{n} {m}\n" + "".join(f"{u} {v}\n" for u, v in edges)
        yield f"bipartite n={n} m={m}", text(content), f"{moves} moves"
    yield "bipartite n=10^7 m=2*10^7", graph(10**7, 2 * 10**7, 1), ""
    # Every edge among the last 10^5 vertices: the search touches only those.
    yield "bipartite n=10^7 m=10^6 high", graph(10**7, 10**6, 2, 10**7 - 10**5 + 1), ""
    # Vertex numbers that no edge uses: one edge under a huge n, and 2*10^5
    # vertices drawn from 1..10^8 and from 1..2*10^9, joined by 10^6 edges.
    yield "bipartite n=2*10^9 m=1", text("2000000000 1\n1 2\n"), ""
    for n, name in ((10**8, "10^8"), (2 * 10**9, "2*10^9")):
        yield (f"bipartite 2*10^5 of 1..{name} m=10^6", graph("among", 200000, n, 10**6, 1), "")
    # Skewed: R-MAT at scale 22 (a = 0.57, b = c = 0.19), 2^26 edges (1 GB).
    yield "bipartite R-MAT 2^22 m=2^26", graph("rmat", 22, 2**26, 1), ""
    if huge:
        yield "bipartite n=10^8 m=2*10^8", graph(10**8, 2 * 10**8, 3), ""
    if huge and friendster:
        yield "bipartite R-MAT 2^26 m=1806067135", graph("rmat", 26, 1806067135, 1), "run once"


def minimal_cases():
    n, q = 100000, 1000000
    for letters in ("abcdefghijklmnopqrstuvwxyz", "ab"):
        rng = random.Random(len(letters))
        word = "".join(rng.choice(letters) for _ in range(n))
        lines = []
        for _ in range(q):
            a, b = sorted((rng.randint(1, n), rng.randint(1, n)))
            lines.append(f"{a} {b}\n")
        yield f"minimal {len(letters)} letters q={q}", text(f"{word}\n{q}\n" + "".join(lines)), ""
    # Ten times the queries (130 MB), written outside the work tree.
    yield "minimal 26 letters q=10^7", minimal_many(n, 10 * q), ""


def minimal_many(n, q):
    def write(path):
        rng = random.Random(7)
        word = "".join(rng.choices("abcdefghijklmnopqrstuvwxyz", k=n))
        ends = rng.choices(range(1, n + 1), k=2 * q)
        with open(path, "w") as out:
            out.write(f"{word}\n{q}\n")
            for x in range(0, 2 * q, 200000):
                out.write("".join(f"{min(a, b)} {max(a, b)}\n"
                                  for a, b in zip(ends[x:x + 200000:2], ends[x + 1:x + 200000:2])))
    return write


# Series of one kind of input at growing sizes, for the drawing: (program,
# series, what its size counts, size, name, a function that writes it).

def scaling_cases(huge):
    for side in (1000, 3000, 10000, 30000):
        yield ("competition", "tables", "values", side * (side + 1),
               f"competition {side}x{side + 1}", text(f"{side} {side + 1}\n"))
    for n in (1000, 10000, 30000, 100000):
        rng = random.Random(n)
        arrivals = sorted(rng.randrange(n * 50) for _ in range(n))
        yield ("queue", "random arrivals", "customers", n, f"queue random n={n}",
               text(queue_input(n, 5, 37, [(t, rng.randrange(1, 400)) for t in arrivals])))
    for q in (10**4, 10**5, 10**6, 10**7):
        yield ("minimal", "26 letters", "queries", q, f"minimal 26 letters q={q}",
               minimal_many(100000, q))
    for n in (10**5, 10**6, 10**7) + ((10**8,) if huge else ()):
        yield ("bipartite", "random", "edges", 2 * n, f"bipartite n={n} m={2 * n}",
               graph(n, 2 * n, 1))
    for scale in (16, 18, 20, 22):
        yield ("bipartite", "R-MAT", "edges", 2**(scale + 4), f"bipartite R-MAT 2^{scale}",
               graph("rmat", scale, 2**(scale + 4), 1))
    for k in (2 * 10**3, 2 * 10**4, 2 * 10**5, 2 * 10**6):
        yield ("bipartite", "sparse numbers", "edges", 5 * k, f"bipartite {k} of 1..2*10^9",
               graph("among", k, 2 * 10**9, 5 * k, 1))


def slope(points):
    """The least-squares slope of log10(y) against log10(x)."""
    import math
    xs = [math.log10(x) for x, _ in points]
    ys = [math.log10(y) for _, y in points]
    mx, my = sum(xs) / len(xs), sum(ys) / len(ys)
    return (sum((x - mx) * (y - my) for x, y in zip(xs, ys))
            / sum((x - mx) ** 2 for x in xs))


# Below this a peak shows the measuring process's own size, not the
# program's (see time_runs).
PEAK_FLOOR_MIB = 12.5


def fitted(points, least):
    """The points that a slope is fitted over: those at `least` or more,
    where the figure measures the program's work, not what every run
    takes; two at least, or none."""
    kept = [(x, y) for x, y in points if y >= least]
    return kept if len(kept) >= 2 else []


def draw(figures, path, machine, commit, date):
    """Draws `figures` (dicts of program, series, unit, size, seconds and
    peak_mib) to the SVG `path`: a column a program, time above and peak
    memory below, a line a series with its fitted slope in the legend.
    A time's slope is fitted over the runs that take five times its
    series' quickest or more, whose cost is mostly what every run takes
    (starting, and minimal's table, say); a peak's over those above the
    measuring floor. The points left out are drawn hollow. Raises
    ImportError where matplotlib is missing."""
    import matplotlib
    matplotlib.use("svg")
    import matplotlib.pyplot as plt
    plt.rcParams["svg.fonttype"] = "none"  # text as text: a smaller file
    plt.rcParams["svg.hashsalt"] = "bench"  # the same figures draw the same file
    programs = list(dict.fromkeys(f["program"] for f in figures))
    fig, axes = plt.subplots(2, len(programs), figsize=(3.2 * len(programs), 5.6),
                             squeeze=False)
    for column, program in enumerate(programs):
        mine = [f for f in figures if f["program"] == program]
        for row, (key, label) in enumerate((("seconds", "time, s"), ("peak_mib", "peak, MiB"))):
            ax = axes[row][column]
            for series in dict.fromkeys(f["series"] for f in mine):
                points = sorted((f["size"], f[key]) for f in mine if f["series"] == series)
                least = 5 * min(y for _, y in points) if key == "seconds" else PEAK_FLOOR_MIB
                kept = fitted(points, least)
                shown = f"slope {slope(kept):.2f}" if kept else (
                    "at the floor" if key == "peak_mib" else "too short to fit")
                line, = ax.loglog(*zip(*points), label=f"{series}, {shown}")
                ax.scatter(*zip(*points), s=14, zorder=3, edgecolors=line.get_color(),
                           facecolors=[line.get_color() if (x, y) in kept else "none"
                                       for x, y in points])
            # A decade at least, so that a flat line reads as flat.
            low, high = min(f[key] for f in mine), max(f[key] for f in mine)
            if high < 10 * low:
                middle = (low * high) ** 0.5
                ax.set_ylim(middle / 10 ** 0.5, middle * 10 ** 0.5)
            ax.set_xlabel(f"{mine[0]['unit']}")
            ax.set_ylabel(label)
            ax.grid(True, which="major", linewidth=0.3)
            ax.legend(fontsize=7)
            if row == 0:
                ax.set_title(program)
    fig.suptitle(f"{machine}, commit {commit}, {date}", fontsize=9)
    fig.text(0.5, 0.005, "hollow: left out of the slope, a time under five times its series' "
             "quickest, or a peak below about 12 MiB, which shows the measuring process's own",
             ha="center", fontsize=7)
    fig.tight_layout(rect=(0, 0.02, 1, 1))
    fig.savefig(path, metadata={"Date": None})
    plt.close(fig)


def machine():
    """The processor, its cores and the memory, as the picture names them."""
    model = "unknown processor"
    try:
        for line in open("/proc/cpuinfo"):
            if line.startswith("model name"):
                model = line.split(":", 1)[1].strip()
                break
        kib = next(int(line.split()[1]) for line in open("/proc/meminfo")
                   if line.startswith("MemTotal:"))
        return f"{model}, {os.cpu_count()} cores, {kib / 2**20:.0f} GiB"
    except OSError:
        return f"{model}, {os.cpu_count()} cores"


CASES = {"competition": competition_cases, "queue": queue_cases, "bipartite": bipartite_cases,
         "minimal": minimal_cases}


def time_runs(program, folder, runs):
    """Wall seconds and peak resident MB of each run, from the resource
    usage that wait4 returns (no GNU time needed). Run in a fresh
    interpreter: the kernel counts a started program's peak from its
    parent's size when it starts, so the parent is kept small; a peak
    below about 12 MB still shows as that."""
    figures = []
    for _ in range(runs):
        start = time.perf_counter()
        pid = os.fork()
        if pid == 0:
            try:
                os.chdir(folder)
                null = os.open(os.devnull, os.O_RDWR)
                os.dup2(null, 1)
                os.dup2(null, 2)
                os.execv(BIN / program, [program])
            finally:
                os._exit(127)
        _, status, usage = os.wait4(pid, 0)
        seconds = time.perf_counter() - start
        if status != 0:
            sys.exit(f"{program} failed in {folder}")
        figures.append((seconds, usage.ru_maxrss / 1024))  # ru_maxrss is in KiB
    return figures


def timed(program, folder, runs):
    done = subprocess.run([sys.executable, __file__, "--time", program, str(folder), str(runs)],
                          check=True, capture_output=True, text=True)
    return json.loads(done.stdout)


def measure(program, name, write, runs, base=WORK):
    """Writes the case's input into a folder of its own under `base` and
    times `runs` runs of it: the folder, the wall seconds of each run, the
    peak MiB and the output's MB."""
    folder = base / name.replace(" ", "_").replace("*", "x")
    folder.mkdir(parents=True, exist_ok=True)
    write(folder / f"{program}.in")
    figures = timed(program, folder, runs)
    out = (folder / f"{program}.out").stat().st_size / 1e6
    return folder, [s for s, _ in figures], max(m for _, m in figures), out


def place(huge, big, huge_dir):
    """Where a case's input goes: DIR for bipartite at 10^8 (`huge`), a
    temporary folder for minimal's 10^7 queries (`big`), else the work
    folder; and how to clear it after."""
    if huge:
        return huge_dir, lambda folder: shutil.rmtree(folder)
    if big:
        temporary = Path(tempfile.mkdtemp(prefix="bench-"))
        return temporary, lambda folder: shutil.rmtree(temporary)
    return WORK, lambda folder: None


def main():
    if sys.argv[1:2] == ["--time"]:
        print(json.dumps(time_runs(sys.argv[2], Path(sys.argv[3]), int(sys.argv[4]))))
        return
    parser = argparse.ArgumentParser()
    parser.add_argument("programs", nargs="*", default=list(CASES))
    parser.add_argument("--runs", type=int, default=5)
    parser.add_argument("--huge", type=Path, metavar="DIR",
                        help="also bipartite at 10^8 vertices, its input written to DIR")
    parser.add_argument("--friendster", action="store_true",
                        help="with --huge: also an R-MAT graph of Friendster's size, in DIR")
    parser.add_argument("--phases", action="store_true",
                        help="also each bipartite phase's times, from a build that prints them")
    parser.add_argument("--draw", type=Path, metavar="SVG",
                        help="time each program at growing sizes and draw how its cost grows")
    parser.add_argument("--figures", type=Path, metavar="JSON",
                        help="with --draw: draw these figures, measured before")
    args = parser.parse_args()
    if args.draw and args.figures:
        saved = json.loads(args.figures.read_text())
        drawn(saved["figures"], args.draw, saved["machine"], saved["commit"], saved["date"])
        return
    subprocess.run(["cmake", "--preset", "release"], cwd=ROOT, check=True,
                   stdout=subprocess.DEVNULL)
    subprocess.run(["cmake", "--build", "--preset", "release"], cwd=ROOT, check=True,
                   stdout=subprocess.DEVNULL)
    if args.phases:
        subprocess.run(["cmake", "-B", str(PHASES), "-DCMAKE_BUILD_TYPE=Release",
                        "-DBUILD_TESTING=OFF", "-DBIPARTITE_PHASE_TIMES=ON"], cwd=ROOT,
                       check=True, stdout=subprocess.DEVNULL)
        subprocess.run(["cmake", "--build", str(PHASES), "--target", "bipartite"], cwd=ROOT,
                       check=True, stdout=subprocess.DEVNULL)
    WORK.mkdir(parents=True, exist_ok=True)
    subprocess.run([os.environ.get("CXX", "c++"), "-O2", "-std=c++17", "-o", str(GRAPH),
                    str(ROOT / "bench" / "graph.cpp")], check=True)
    print(f"{'case':40} {'median s':>9} {'min s':>7} {'max s':>7} {'peak MiB':>8} {'out MB':>7}")

    def report(name, times, peak, out, note=""):
        print(f"{name:40} {statistics.median(times):9.3f} {min(times):7.3f} "
              f"{max(times):7.3f} {peak:8.1f} {out:7.1f}  {note}", flush=True)

    if args.draw:
        figures = []
        for program, series, unit, size, name, write in scaling_cases(args.huge):
            if program not in args.programs:
                continue
            base, clear = place(program == "bipartite" and size >= 10**8,
                                program == "minimal" and size >= 10**7, args.huge)
            folder, times, peak, out = measure(program, name, write, args.runs, base)
            clear(folder)
            report(name, times, peak, out)
            figures.append({"program": program, "series": series, "unit": unit, "size": size,
                            "seconds": statistics.median(times), "peak_mib": peak})
        commit = subprocess.run(["git", "rev-parse", "--short", "HEAD"], cwd=ROOT,
                                capture_output=True, text=True).stdout.strip() or "unknown"
        saved = {"machine": machine(), "commit": commit, "date": time.strftime("%Y-%m-%d"),
                 "figures": figures}
        args.draw.with_suffix(".json").write_text(json.dumps(saved, indent=1) + "\n")
        drawn(figures, args.draw, saved["machine"], commit, saved["date"])
        return

    for program in args.programs:
        cases = (bipartite_cases(args.huge, args.friendster) if program == "bipartite"
                 else CASES[program]())
        for name, write, note in cases:
            once = "2^26" in name
            base, clear = place(name.startswith("bipartite n=10^8") or once,
                                "10^7" in name and program == "minimal", args.huge)
            folder, times, peak, out = measure(program, name, write, 1 if once else args.runs,
                                               base)
            report(name, times, peak, out, note)
            if args.phases and program == "bipartite":
                done = subprocess.run([str(PHASES / "bin" / "bipartite")], cwd=folder, check=True,
                                      stderr=subprocess.PIPE, text=True)
                print("".join("    " + line + "\n" for line in done.stderr.splitlines()),
                      end="", flush=True)
            clear(folder)


def drawn(figures, path, machine_name, commit, date):
    """Draws the figures where matplotlib is installed; says so where not."""
    try:
        draw(figures, path, machine_name, commit, date)
        print(f"drawn: {path}")
    except ImportError:
        print(f"not drawn: matplotlib is not installed (apt-get install python3-matplotlib); "
              f"the figures are in {path.with_suffix('.json')}")


if __name__ == "__main__":
    main()
