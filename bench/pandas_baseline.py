#!/usr/bin/env python3
"""The baseline of the proxy import benchmark: pandas.read_csv of the same file.

    pandas_baseline.py FILE [REPEATS]

Reads FILE REPEATS times (default 3) with pandas' default C parser and prints
the fastest read in seconds as "seconds S". Only the benchmark runs it; it
needs Debian's python3-pandas, which nothing else of the program uses.
"""
import sys
import time

import pandas


def main():
    path = sys.argv[1]
    repeats = int(sys.argv[2]) if len(sys.argv) > 2 else 3
    best = float("inf")
    for _ in range(repeats):
        start = time.perf_counter()
        frame = pandas.read_csv(path)
        best = min(best, time.perf_counter() - start)
        if frame.shape[0] == 0:
            sys.exit("no rows read")
    print(f"seconds {best:.6f}")


if __name__ == "__main__":
    main()
