#!/usr/bin/env python3
"""Times one radio's write with its read-back (q7cli write) on one simulated port,
then a batch of four radios on four simulated ports at once (q7cli write --serials
with four --port), all at 9600 baud, and prints both and their ratio (target:
at most 1.2). Usage: bench_batch.py [BIN_DIR] (default: build/bin)."""
import os
import subprocess
import sys
import tempfile
import time

BAUD = 9600
PORTS = 4


def start_radios(bin_dir, count):
    radios = [subprocess.Popen([os.path.join(bin_dir, "q7sim"), "--baud", str(BAUD),
                                "--class", "31"], stdout=subprocess.PIPE, text=True)
              for _ in range(count)]
    return radios, [radio.stdout.readline().strip() for radio in radios]


def timed_write(bin_dir, arguments, count):
    radios, devices = start_radios(bin_dir, count)
    try:
        ports = [word for device in devices for word in ("--port", device)]
        start = time.monotonic()
        cli = subprocess.run([os.path.join(bin_dir, "q7cli"), "write"] + arguments + ports
                             + ["--no-backup"], stdin=subprocess.DEVNULL,
                             stdout=subprocess.PIPE, stderr=subprocess.PIPE, text=True)
        wall = time.monotonic() - start
    finally:
        for radio in radios:
            radio.terminate()
            radio.wait()
    if cli.returncode != 0:
        sys.exit("q7cli failed: " + (cli.stderr.strip().splitlines() or ["?"])[-1])
    return wall


def main():
    bin_dir = sys.argv[1] if len(sys.argv) > 1 else os.path.join("build", "bin")
    with tempfile.TemporaryDirectory() as work:
        image = os.path.join(bin_dir, "Data", "Sample.dat")
        serials = os.path.join(work, "serials.ini")
        with open(serials, "w") as f:
            f.write("[SerialNo]\n" + "".join(f"{n}=BENCH{n:04d}\n" for n in range(1, PORTS + 1)))
        one = timed_write(bin_dir, [image], 1)
        batch = timed_write(bin_dir, [image, "--serials", serials,
                                      "--log", os.path.join(work, "log.csv")], PORTS)
    print(f"one radio, one port:      {one:7.3f} s")
    print(f"{PORTS} radios, {PORTS} ports at once: {batch:7.3f} s")
    print(f"ratio {batch / one:.3f} (target: at most 1.2)")


if __name__ == "__main__":
    main()
