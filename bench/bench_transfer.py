#!/usr/bin/env python3
"""Times a full read and a full write (0x000-0x3FF) through q7cli and through the
communication window (offscreen, q7bench_gui) against q7sim
at 9600 baud and compares them with the wire floor: every byte both ways at
ten bits a byte. Usage: bench_transfer.py [BIN_DIR] (default: build/bin)."""
import json
import os
import resource
import subprocess
import sys
import tempfile
import time

BAUD = 9600


def run_once(bin_dir, work, program, verb_args, sim_args):
    stats = os.path.join(work, "stats.json")
    sim = subprocess.Popen([os.path.join(bin_dir, "q7sim"), "--baud", str(BAUD), "--stats", stats]
                           + sim_args, stdout=subprocess.PIPE, text=True)
    try:
        device = sim.stdout.readline().strip()
        before = resource.getrusage(resource.RUSAGE_CHILDREN)
        start = time.monotonic()
        cli = subprocess.run([os.path.join(bin_dir, program)] + verb_args(device),
                             stdout=subprocess.PIPE, stderr=subprocess.PIPE, text=True)
        wall = time.monotonic() - start
        after = resource.getrusage(resource.RUSAGE_CHILDREN)
    finally:
        sim.terminate()
        sim.wait()
    if cli.returncode != 0:
        sys.exit(program + " failed: " + (cli.stderr.strip().splitlines() or ["?"])[-1])
    with open(stats) as f:
        counts = json.load(f)
    cpu = (after.ru_utime - before.ru_utime) + (after.ru_stime - before.ru_stime)
    # The window driver measures itself from the button press, leaving Qt's start-up out.
    own = dict(part.split("=") for part in cli.stdout.split() if part.startswith(("wall=", "cpu=")))
    if own:
        wall, cpu = float(own["wall"]), float(own["cpu"])
    wire_bytes = counts["bytesToRadio"] + counts["bytesFromRadio"]
    return wall, wire_bytes * 10 / BAUD, cpu, wire_bytes


def main():
    bin_dir = sys.argv[1] if len(sys.argv) > 1 else os.path.join("build", "bin")
    with tempfile.TemporaryDirectory() as work:
        image = os.path.join(work, "radio.dat")
        template = os.path.join(bin_dir, "dhcpqec.def")
        cases = [
            ("read", "q7cli",
             lambda dev: ["read", "--port", dev, "-o", image, "--start", "0", "--end", "3FF",
                         "--no-backup"],
             ["--image", template]),
            ("write", "q7cli",
             lambda dev: ["write", "--port", dev, image, "--start", "0", "--end", "3FF",
                         "--no-backup", "--no-verify"], []),
            ("gui-rd", "q7bench_gui", lambda dev: ["read", dev, image], ["--image", template]),
            ("gui-wr", "q7bench_gui", lambda dev: ["write", dev, image], []),
        ]
        print(f"{'':6} {'wall s':>8} {'floor s':>8} {'ratio':>6} {'cpu s':>7} {'cpu %':>6} {'bytes':>6}")
        worst = 0.0
        for name, program, args, sim_args in cases:
            wall, floor, cpu, wire_bytes = run_once(bin_dir, work, program, args, sim_args)
            worst = max(worst, wall / floor)
            print(f"{name:6} {wall:8.3f} {floor:8.3f} {wall / floor:6.3f} {cpu:7.3f} "
                  f"{100 * cpu / wall:6.2f} {wire_bytes:6d}")
        print(f"target: ratio <= 1.10 and cpu < 5 % of wall; worst ratio {worst:.3f}")


if __name__ == "__main__":
    main()
