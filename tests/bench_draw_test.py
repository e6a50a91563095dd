#!/usr/bin/env python3
"""bench.py's drawing, run on made-up figures: the picture is an SVG that
names the machine, the commit and the date, and each line's legend gives
the slope that its points follow (here 1.00, 0.50 and 2.00), fitted over
the points where the program's work shows: no slope for a time within
five times its series' quickest, nor for a peak at the measuring floor.
Exits with 77, which CTest counts as skipped, where matplotlib is not
installed."""
import sys
import tempfile
from pathlib import Path

sys.path.insert(0, str(Path(__file__).resolve().parent.parent / "bench"))
import bench  # noqa: E402

try:
    import matplotlib  # noqa: F401
except ImportError:
    print("not drawn: matplotlib is not installed (apt-get install python3-matplotlib)")
    sys.exit(77)

figures = []
for size in (10, 100, 1000, 10000):
    figures += [
        {"program": "queue", "series": "linear", "unit": "customers", "size": size,
         "seconds": size / 100, "peak_mib": 12.0},
        {"program": "queue", "series": "start", "unit": "customers", "size": size,
         "seconds": 0.01 + size / 1e5, "peak_mib": 12.0},
        {"program": "bipartite", "series": "root", "unit": "edges", "size": size,
         "seconds": size ** 0.5, "peak_mib": size / 10},
        {"program": "bipartite", "series": "square", "unit": "edges", "size": size,
         "seconds": size ** 2, "peak_mib": size / 10},
    ]
with tempfile.TemporaryDirectory() as folder:
    path = Path(folder) / "cost.svg"
    bench.draw(figures, path, "A machine, 2 cores", "abc1234", "2026-12-10")
    picture = path.read_text()
expected = ["<svg", "A machine, 2 cores, commit abc1234, 2026-12-10", "queue", "bipartite",
            "linear, slope 1.00", "root, slope 0.50", "square, slope 2.00", "linear, at the floor",
            "start, too short to fit"]
missing = [text for text in expected if text not in picture]
if missing:
    sys.exit(f"the picture lacks {missing}")
print(f"drawn: {len(picture)} bytes, every text in place")
