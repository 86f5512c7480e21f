#!/usr/bin/env python3
"""Start-up benchmark: time to first frame and peak memory of the editor
against a bare Qt Widgets program that opens one frameless window of the same
size, grabs it and exits. Both run headless (offscreen platform), alternating,
in one run of this script; each run is start, render, screenshot, exit.

Usage: bench/startup_bench.py [--runs N] [--build DIR]
Build DIR (default build/release) must hold app/scribenta and
bench/startup/startup_bare_window (cmake --build DIR --target scribenta
startup_bare_window).
"""

import argparse
import os
import resource
import statistics
import subprocess
import sys
import tempfile
import time

WIDTH, HEIGHT = 1000, 700


def run_once(command, env):
    """Wall time in ms and peak resident memory in MiB of one child run."""
    before = resource.getrusage(resource.RUSAGE_CHILDREN)
    start = time.perf_counter()
    result = subprocess.run(command, env=env, stdout=subprocess.DEVNULL,
                            stderr=subprocess.PIPE)
    elapsed = (time.perf_counter() - start) * 1000.0
    if result.returncode != 0:
        sys.exit(f"{command[0]} failed ({result.returncode}): "
                 f"{result.stderr.decode(errors='replace')}")
    # ru_maxrss of the children is the largest child so far, so each run is
    # measured in a fresh process of its own (see measure()).
    after = resource.getrusage(resource.RUSAGE_CHILDREN)
    return elapsed, max(before.ru_maxrss, after.ru_maxrss) / 1024.0


def measure(command, env):
    """Runs one measurement in a separate Python process so that the peak
    memory reported belongs to this run alone."""
    probe = subprocess.run(
        [sys.executable, __file__, "--probe", "--"] + command,
        env=env, stdout=subprocess.PIPE, check=True, text=True)
    elapsed, peak = probe.stdout.split()
    return float(elapsed), float(peak)


def main():
    if len(sys.argv) > 2 and sys.argv[1] == "--probe":
        elapsed, peak = run_once(sys.argv[3:], os.environ.copy())
        print(f"{elapsed:.3f} {peak:.3f}")
        return

    parser = argparse.ArgumentParser(description=__doc__,
                                     formatter_class=argparse.RawDescriptionHelpFormatter)
    parser.add_argument("--runs", type=int, default=10)
    parser.add_argument("--build", default="build/release")
    args = parser.parse_args()

    editor = os.path.join(args.build, "app", "scribenta")
    bare = os.path.join(args.build, "bench", "startup", "startup_bare_window")
    for program in (editor, bare):
        if not os.access(program, os.X_OK):
            sys.exit(f"missing {program}: build the targets scribenta and startup_bare_window")

    with tempfile.TemporaryDirectory() as scratch:
        env = os.environ.copy()
        env["QT_QPA_PLATFORM"] = "offscreen"
        # Settings of these runs stay in the scratch folder.
        env["XDG_CONFIG_HOME"] = os.path.join(scratch, "config")
        for name in ("OSTREL_THEME", "OSTREL_SHOT2", "OSTREL_THEME_DIR", "SCRIBENTA_DEV_OPEN"):
            env.pop(name, None)
        editor_env = dict(env, OSTREL_SHOT=os.path.join(scratch, "editor.png"),
                          OSTREL_SHOT_DELAY="1", OSTREL_WIDTH=str(WIDTH),
                          OSTREL_HEIGHT=str(HEIGHT))
        editor_cmd = [editor]
        bare_cmd = [bare, os.path.join(scratch, "bare.png"), str(WIDTH), str(HEIGHT)]

        # One warm-up run each, so both start from a warm file cache.
        measure(editor_cmd, editor_env)
        measure(bare_cmd, env)
        times = {"editor": [], "bare": []}
        peaks = {"editor": [], "bare": []}
        for _ in range(args.runs):
            for name, command, run_env in (("editor", editor_cmd, editor_env),
                                           ("bare", bare_cmd, env)):
                elapsed, peak = measure(command, run_env)
                times[name].append(elapsed)
                peaks[name].append(peak)

    t_editor, t_bare = (statistics.median(times[k]) for k in ("editor", "bare"))
    m_editor, m_bare = (statistics.median(peaks[k]) for k in ("editor", "bare"))
    print(f"runs: {args.runs} each, alternating, {WIDTH}x{HEIGHT}, offscreen")
    print(f"time to first frame (median): editor {t_editor:.1f} ms, bare {t_bare:.1f} ms, "
          f"ratio {t_editor / t_bare:.2f} (target <= 1.5)")
    print(f"peak memory (median):         editor {m_editor:.1f} MiB, bare {m_bare:.1f} MiB, "
          f"ratio {m_editor / m_bare:.2f} (target <= 2.0)")


if __name__ == "__main__":
    main()
