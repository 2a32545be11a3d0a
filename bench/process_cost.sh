# SPDX-License-Identifier: GPL-3.0-or-later
# What a process costs the machine, read from /proc: sourced by the benchmarks.

# CPU time (user + system) of the process $1 in ms; the fields after the
# command name, which may hold spaces, are counted from its closing bracket.
cpu_ms() {
    local stat fields
    stat=$(<"/proc/$1/stat")
    read -r -a fields <<<"${stat##*) }"
    echo $(((fields[11] + fields[12]) * 1000 / $(getconf CLK_TCK)))
}

# The context switches (voluntary and involuntary) of each thread of the
# process $1, a line "tid count" each, so that a thread that ends meanwhile
# is left out of a difference and one that starts counts from 0.
thread_switches() {
    local status
    for status in /proc/"$1"/task/*/status; do
        awk -v tid="$(basename "$(dirname "$status")")" \
            '/^(non)?voluntary_ctxt_switches/ { sum += $2 } END { print tid, sum }' \
            "$status" 2>/dev/null || true
    done
}

# The wake-ups between two thread_switches listings $1 and $2.
wakeups_between() {
    awk 'NR == FNR { before[$1] = $2; next } { sum += $2 - before[$1] } END { print sum + 0 }' "$1" "$2"
}
