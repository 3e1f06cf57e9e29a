#!/usr/bin/python3
"""Starts Debian's Orca just as /usr/bin/orca does, with two differences for a desk of its own.

Its debug file is written line by line: Orca's own is block-buffered, so its last words would
reach the file only kilobytes of debug output later, after the test has stopped listening. And
it does not look for other Orcas of the user with pgrep, across the whole machine: it would refuse
to start beside another desk's Orca, and with --replace it would kill that one.
"""
import sys

ORCA = "/usr/bin/orca"

namespace = {"__name__": "orca_launcher", "__file__": ORCA}
with open(ORCA, encoding="utf-8") as script:
    exec(compile(script.read(), ORCA, "exec"), namespace)
namespace["otherOrcas"] = lambda: []
namespace["open"] = lambda path, mode="r": open(path, mode, buffering=1, encoding="utf-8")
sys.argv[0] = ORCA
sys.exit(namespace["main"]())
