#!/usr/bin/python3
# Copyright 2026 quorvex developers
# Licensed under the Apache License, Version 2.0
"""Turn one JSON run of quorvex_benchmarks into the Markdown report and the throughput plot.

Usage: make_report.py RUN.json RESULTS_DIR [README...]

RESULTS_DIR/round_trip.tsv, when present, holds the demo's round trips (size label and
milliseconds, one call per line).

Writes RESULTS_DIR/report.md and RESULTS_DIR/throughput.png (with gnuplot), and in each README
given replaces the text between the results markers with the report.
"""

import json
import pathlib
import subprocess
import sys

BEGIN_MARK = '<!-- results:begin -->'
END_MARK = '<!-- results:end -->'

# Table order and the names the report gives the operations.
OPERATIONS = {
    'memcpy': 'memcpy, one block',
    'memcpy_per_member': 'memcpy, one call per member',
    'cdr_serialize_host': 'cdr_serialize, host order',
    'cdr_serialize_swapped': 'cdr_serialize, swapped order',
    'cdr_deserialize_reused': 'cdr_deserialize, reused record',
    'cdr_deserialize_reused_swapped': 'cdr_deserialize, reused record, swapped order',
    'cdr_deserialize_fresh': 'cdr_deserialize, fresh record',
    'cdr_deserialize_fresh_returned': 'cdr_deserialize, fresh record, memory returned each time',
    'cdr_c_serialize_host': 'C library: cdr_serialize, host order',
    'cdr_c_deserialize_reused': 'C library: cdr_deserialize, reused record',
    'cdr_c_deserialize_fresh': 'C library: cdr_deserialize, fresh record',
    'get_serialized_size': 'get_serialized_size',
    'c_copy': 'C `__copy`',
    'c_are_equal': 'C `__are_equal`',
    'c_sequence_copy': 'C `__Sequence__copy`',
    'round_trip': 'round trip between two processes',
    'py_convert_from_py_reused': 'Python: convert_from_py from array.array, reused record',
    'py_convert_from_py_fresh':
        'Python: convert_from_py from array.array, new record (as rclpy)',
    'py_convert_to_py': 'Python: convert_to_py',
    'py_arrays_from_lists': "Python: array.array('d') built from lists",
    'py_members_from_lists': 'Python: members set from lists',
    'py_members_from_lists_converted': 'Python: members set from lists, then convert_from_py',
    'py_round_trip': 'Python round trip: convert, serialize, deserialize, convert back',
    'cpp_round_trip': 'C++ round trip: serialize, deserialize into a new record',
}
# get_serialized_size reads no payload: its time is the point, not a throughput.
NOT_PLOTTED = {'get_serialized_size'}
PLOTTED_MESSAGE = 'PlanMotion_Response'


def split_size(size):
    """'100_of_1000x7' -> (100, '1000x7'); '1000x7' -> (1, '1000x7')."""
    if '_of_' in size:
        records, shape = size.split('_of_')
        return int(records), shape
    return 1, size


def size_key(size):
    """Sort '10x7' < '100x7' < 'typical' < '100_of_10x7' < '100_of_typical'."""
    records, shape = split_size(size)
    values = 0 if shape == 'typical' else int(shape.replace('x', ''))
    return (records, shape == 'typical', values)


def size_text(size):
    records, shape = split_size(size)
    if shape != 'typical':
        shape = '(' + shape.replace('x', ', ') + ')'
    return shape if records == 1 else f'{records} × {shape}'


def time_text(ns):
    if ns < 1e3:
        return f'{ns:.1f} ns'
    if ns < 1e6:
        return f'{ns / 1e3:.2f} µs'
    return f'{ns / 1e6:.2f} ms'


def load_medians(path):
    run = json.loads(pathlib.Path(path).read_text())
    rows = {}
    to_ns = {'ns': 1.0, 'us': 1e3, 'ms': 1e6, 's': 1e9}
    for entry in run['benchmarks']:
        if entry.get('run_type') != 'aggregate' or entry.get('aggregate_name') != 'median':
            continue
        operation, message, size = entry['run_name'].split('/')
        rows[(operation, message, size)] = {
            'ns': entry['cpu_time'] * to_ns[entry['time_unit']],
            'bytes': int(entry['bytes']),
        }
    return run['context'], rows


REFERENCES = ('memcpy', 'memcpy_per_member')


def load_round_trips(path, rows):
    """Median round trip per size from the demo's samples (size label, milliseconds per line)."""
    samples = {}
    for line in path.read_text().splitlines():
        size, ms = line.split('\t')
        samples.setdefault(size, []).append(float(ms) * 1e6)
    counts = {}
    for size, values in samples.items():
        reference = rows.get(('memcpy', PLOTTED_MESSAGE, size))
        values.sort()
        rows[('round_trip', PLOTTED_MESSAGE, size)] = {
            'ns': values[len(values) // 2],
            'bytes': reference['bytes'] if reference else 0,
        }
        counts[size] = len(values)
    return counts


def ratio(rows, key):
    """Throughput of an operation over that of the faster memcpy of the same payload."""
    operation, message, size = key
    references = [rows[(r, message, size)]['ns'] for r in REFERENCES if (r, message, size) in rows]
    if not references or operation == 'get_serialized_size':
        return None
    return min(references) / rows[key]['ns']


def goals(rows):
    """(goal text, measured text, met) for each goal of the suite; met is None if unmeasured."""
    result = []

    def ratio_goal(operation, text, size, bound):
        key = (operation, 'PlanMotion_Response', size)
        if key not in rows:
            result.append((f'{text}, {size_text(size)}: ≥ {bound}× memcpy', 'not measured', None))
            return
        value = ratio(rows, key)
        result.append((f'{text}, {size_text(size)}: ≥ {bound}× memcpy', f'{value:.2f}×',
                       value >= bound))

    for size in ('1000x7', '10000x7'):
        ratio_goal('cdr_serialize_host', 'cdr_serialize, host order', size, 0.8)
    for size in ('1000x7', '10000x7'):
        ratio_goal('cdr_deserialize_reused', 'cdr_deserialize into a reused record', size, 0.8)
    for size in ('1000x7', '10000x7'):
        ratio_goal('cdr_deserialize_fresh', 'cdr_deserialize into a fresh record', size, 0.4)
    sizes = [rows[k]['ns'] for k in rows if k[0] == 'get_serialized_size']
    slowest = max(sizes) if sizes else float('inf')
    result.append(('get_serialized_size at every size: < 20 ns',
                   f'{slowest:.1f} ns at most' if sizes else 'not measured',
                   slowest < 20.0 if sizes else None))
    ratio_goal('c_copy', 'C `__copy`', '10000x7', 0.5)

    # The C library against the C++ library in the same run: throughput over throughput.
    for c_operation, cpp_operation in (('cdr_c_serialize_host', 'cdr_serialize_host'),
                                       ('cdr_c_deserialize_reused', 'cdr_deserialize_reused'),
                                       ('cdr_c_deserialize_fresh', 'cdr_deserialize_fresh')):
        for size in ('1000x7', '10000x7'):
            c_key = (c_operation, 'PlanMotion_Response', size)
            cpp_key = (cpp_operation, 'PlanMotion_Response', size)
            text = f'{OPERATIONS[c_operation]}, {size_text(size)}: ≥ 0.9× the C++ library'
            if c_key not in rows or cpp_key not in rows:
                result.append((text, 'not measured', None))
                continue
            value = rows[cpp_key]['ns'] / rows[c_key]['ns']
            result.append((text, f'{value:.2f}×', value >= 0.9))

    # The Python conversions.
    for size in ('1000x7', '10000x7'):
        ratio_goal('py_convert_from_py_fresh', 'Python: convert_from_py from array.array (new '
                   'record, as rclpy)', size, 0.8)
        ratio_goal('py_convert_from_py_reused', 'Python: convert_from_py from array.array '
                   '(reused record)', size, 0.8)
    for size in ('1000x7', '10000x7'):
        ratio_goal('py_convert_to_py', 'Python: convert_to_py', size, 0.5)
    for operation in ('py_members_from_lists', 'py_members_from_lists_converted'):
        for size in ('1000x7', '10000x7'):
            key = (operation, 'PlanMotion_Response', size)
            arrays = ('py_arrays_from_lists', 'PlanMotion_Response', size)
            text = (f'{OPERATIONS[operation]}, {size_text(size)}: ≤ 1.2× the time of building '
                    "the array.array('d') from the lists")
            if key not in rows or arrays not in rows:
                result.append((text, 'not measured', None))
                continue
            value = rows[key]['ns'] / rows[arrays]['ns']
            result.append((text, f'{value:.2f}×', value <= 1.2))
    for size in ('1000x7', '10000x7'):
        key = ('py_round_trip', 'PlanMotion_Response', size)
        cpp_key = ('cpp_round_trip', 'PlanMotion_Response', size)
        text = f'Python round trip against the C++ one, {size_text(size)} (reported)'
        if key not in rows or cpp_key not in rows:
            result.append((text, 'not measured', None))
            continue
        result.append((text, f'{rows[key]["ns"] / rows[cpp_key]["ns"]:.2f}× its time', None))
    return result


def round_trip_text(counts):
    if not counts:
        return ('The round trip between two processes was not measured in this run: the demo in '
                'examples/ could not be built or run.')
    calls = min(counts.values())
    return ('The round trip is that of a PlanMotion request (7 start and 7 goal joints) and its '
            'response between the demo\'s client and server, two processes on Fast DDS shared '
            f'memory: median of at least {calls} calls per size in wall time, from sending the '
            'request to holding the deserialized response, the server\'s planning included. Its '
            'bytes are those of the benchmarks\' response of the same size.')


def report_text(context, rows, counts, plot_link):
    caches = ', '.join(
        f'L{c["level"]} {c["type"].lower()} {c["size"] // 1024} KiB' for c in context['caches'])
    machine = f'{context["num_cpus"]} CPUs at {context["mhz_per_cpu"]} MHz'
    if caches:
        machine += f' ({caches})'
    load = ', '.join(f'{v:.2f}' for v in context.get('load_avg', []))
    lines = [
        f'Run of {context["date"]} on {machine}; load average before the run {load}. '
        'Medians of the repetitions, interleaved at random, in CPU time of the benchmark process '
        '(the machine is shared, and wall time also counts the time that other processes run). '
        'Every ratio is the throughput of the operation over that of the faster of the two '
        'memcpy rows of the same payload in the same run.',
        '',
        round_trip_text(counts),
        '',
        '| goal | measured | met |',
        '|---|---|---|',
    ]
    for text, measured, met in goals(rows):
        verdict = '—' if met is None else 'yes' if met else '**no**'
        lines.append(f'| {text} | {measured} | {verdict} |')
    lines += [
        '',
        '| operation | size | bytes | time | GB/s | ratio to memcpy |',
        '|---|---|---:|---:|---:|---:|',
    ]
    order = list(OPERATIONS)
    for key in sorted(rows, key=lambda k: (k[1] != PLOTTED_MESSAGE, k[1], size_key(k[2]),
                                           order.index(k[0]))):
        operation, message, size = key
        row = rows[key]
        value = ratio(rows, key)
        throughput = '—' if operation == 'get_serialized_size' else \
            f'{row["bytes"] / row["ns"]:.2f}'
        lines.append(
            f'| {OPERATIONS[operation]} | {message} {size_text(size)} | {row["bytes"]} | '
            f'{time_text(row["ns"])} | {throughput} | '
            f'{"—" if value is None else f"{value:.2f}"} |')
    lines += ['', f'![Throughput against payload size]({plot_link})']
    return '\n'.join(lines) + '\n'


# One colour per operation; dashed lines for the swapped byte order and the second reference.
STYLES = {
    'memcpy': 'lc rgb "black" lw 3',
    'memcpy_per_member': 'lc rgb "gray50" lw 3 dt 2',
    'cdr_serialize_host': 'lc rgb "#1f77b4" lw 2',
    'cdr_serialize_swapped': 'lc rgb "#1f77b4" lw 2 dt 2',
    'cdr_deserialize_reused': 'lc rgb "#d62728" lw 2',
    'cdr_deserialize_reused_swapped': 'lc rgb "#d62728" lw 2 dt 2',
    'cdr_deserialize_fresh': 'lc rgb "#ff7f0e" lw 2',
    'cdr_deserialize_fresh_returned': 'lc rgb "#ff7f0e" lw 2 dt 3',
    'cdr_c_serialize_host': 'lc rgb "#1f77b4" lw 1 pt 4',
    'cdr_c_deserialize_reused': 'lc rgb "#d62728" lw 1 pt 4',
    'cdr_c_deserialize_fresh': 'lc rgb "#ff7f0e" lw 1 pt 4',
    'c_copy': 'lc rgb "#2ca02c" lw 2',
    'c_are_equal': 'lc rgb "#9467bd" lw 2',
    'c_sequence_copy': 'lc rgb "#17becf" lw 2',
    'round_trip': 'lc rgb "#8c564b" lw 2',
    'py_convert_from_py_reused': 'lc rgb "#e377c2" lw 2',
    'py_convert_from_py_fresh': 'lc rgb "#e377c2" lw 2 dt 2',
    'py_convert_to_py': 'lc rgb "#bcbd22" lw 2',
    'py_arrays_from_lists': 'lc rgb "#7f7f7f" lw 1 pt 6',
    'py_members_from_lists': 'lc rgb "#7f7f7f" lw 1 pt 8',
    'py_members_from_lists_converted': 'lc rgb "#7f7f7f" lw 1 pt 10',
    'py_round_trip': 'lc rgb "#8c564b" lw 1 pt 12',
    'cpp_round_trip': 'lc rgb "#8c564b" lw 1 pt 14',
}


def plot(rows, png):
    # The copies of 100 records get lines of their own, apart from those of one message.
    series = {}
    for (operation, message, size), row in rows.items():
        if message != PLOTTED_MESSAGE or operation in NOT_PLOTTED:
            continue
        records, _ = split_size(size)
        name = (operation, records)
        series.setdefault(name, []).append((row['bytes'], row['bytes'] / row['ns']))
    script = [
        'set terminal pngcairo size 1300,800 font ",11"',
        f'set output "{png}"',
        'set title "PlanMotion_Response: throughput against payload size (medians)" noenhanced',
        'set xlabel "payload bytes (CDR body; 100 records for the sequence copy)"',
        'set ylabel "GB/s"',
        'set logscale xy',
        'set format x "10^{%L}"',
        'set grid',
        'set key outside right top',
    ]
    plots = []
    for index, (operation, records) in enumerate(
            sorted(series, key=lambda n: (n[1], list(OPERATIONS).index(n[0])))):
        block = f'$s{index}'
        script.append(f'{block} << EOD')
        script += [f'{x} {y}' for x, y in sorted(series[(operation, records)])]
        script.append('EOD')
        title = OPERATIONS[operation].replace('`', '')
        style = STYLES[operation]
        if records > 1 and operation != 'c_sequence_copy':
            title += f', {records} records'
            style = style.replace('lw 3', 'lw 1.5 pt 6')
        plots.append(f'{block} using 1:2 with linespoints {style} title "{title}" noenhanced')
    script.append('plot ' + ', \\\n  '.join(plots))
    subprocess.run(['gnuplot'], input='\n'.join(script) + '\n', text=True, check=True)


def update_readme(readme, report):
    text = readme.read_text()
    begin, end = text.index(BEGIN_MARK), text.index(END_MARK)
    readme.write_text(text[:begin + len(BEGIN_MARK)] + '\n' + report + text[end:])


def main(argv):
    if len(argv) < 3:
        sys.exit(__doc__)
    context, rows = load_medians(argv[1])
    results = pathlib.Path(argv[2])
    round_trips = results / 'round_trip.tsv'
    counts = load_round_trips(round_trips, rows) if round_trips.exists() else {}
    results.mkdir(parents=True, exist_ok=True)
    (results / 'report.md').write_text(
        '# Benchmark report\n\n' + report_text(context, rows, counts, 'throughput.png'))
    plot(rows, results / 'throughput.png')
    for name in argv[3:]:
        readme = pathlib.Path(name)
        link = (results / 'throughput.png').resolve().relative_to(readme.parent.resolve())
        update_readme(readme, report_text(context, rows, counts, link.as_posix()))


if __name__ == '__main__':
    main(sys.argv)
