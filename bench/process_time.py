#!/usr/bin/env python3
"""Whole-process time of commands, side by side: runs each command in turn RUNS times, output
thrown away, and prints min and median in milliseconds and each median's ratio to the first
command's.
    bench/process_time.py RUNS 'COMMAND...' ['COMMAND...' ...]"""
import os
import shlex
import statistics
import sys
import time


def run_once(argv):
    devnull = os.open(os.devnull, os.O_WRONLY)
    actions = [(os.POSIX_SPAWN_DUP2, devnull, 1), (os.POSIX_SPAWN_DUP2, devnull, 2)]
    start = time.perf_counter()
    pid = os.posix_spawn(argv[0], argv, os.environ, file_actions=actions)
    _, status = os.waitpid(pid, 0)
    elapsed = time.perf_counter() - start
    os.close(devnull)
    if os.waitstatus_to_exitcode(status) != 0:
        sys.exit(f"{' '.join(argv)} failed")
    return elapsed * 1000


def main():
    runs = int(sys.argv[1])
    commands = [shlex.split(c) for c in sys.argv[2:]]
    times = [[] for _ in commands]
    for _ in range(runs):
        for i, argv in enumerate(commands):
            times[i].append(run_once(argv))
    first = statistics.median(times[0])
    for argv, t in zip(commands, times):
        median = statistics.median(t)
        print(f"{' '.join(argv)}: min {min(t):.2f} ms, median {median:.2f} ms, "
              f"ratio of medians {median / first:.2f}")


main()
