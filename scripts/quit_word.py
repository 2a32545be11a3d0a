# SPDX-License-Identifier: GPL-3.0-or-later
"""The quit word as the Python drivers of the end-to-end tests and the
benchmarks type it, key by key (the shell harnesses' is in driving.sh)."""

QUIT_WORD = "kolo486"
