#!/usr/bin/python3
"""The whole-file conversion done with pandas and numpy, as the baseline of
quillory-bench-conversion: a trinity file of samples read with read_csv, each
drilling position converted to composite depth through its section's ties
(linear between them, 1:1 beyond them, 9999 outside the section's ends), to
event-free depth by the event layers above it and to age, errors and unit
through the age-depth model (linear, extrapolated from the first or last two
points), rounded half to even, and written with to_csv: text quoted, numbers
bare, CR LF.

    conversion_pandas.py CORRELATION EVENTS AGES SAMPLES OUTPUT

Prints the seconds of the job from read_csv to to_csv; loading the three
models comes before and is not counted. Needs Debian's python3-pandas.
"""
import csv
import sys
import time

import numpy as np
import pandas as pd

NO_VALUE = 9999.0


def middle_field(label):
    """The text between the first and the next "-" or blank."""
    parts = label.replace(" ", "-").split("-")
    return parts[1] if len(parts) > 2 else label


def key3(name):
    return ("000" + name)[-3:]


def number(text):
    try:
        return float(text)
    except ValueError:
        return None


class Correlation:
    """Per bore hole and section: the ties (PSP, composite depth) and the PSPs of its first and last rows."""

    def __init__(self, path):
        with open(path, newline="") as f:
            rows = [[cell[1:].strip() for cell in row] for row in csv.reader(f)]
        header, rows = rows[0], rows[1:]
        self.names = {}
        for b in range(4):
            cell = header[1 + 3 * b]
            short = cell[cell.rfind("(") + 1:-1]
            self.names[short] = b
            self.names[cell[:cell.rfind("(")].strip()] = b
        self.sections = {}  # (bore hole, key3 of name) -> [ties psp, ties cd, top psp, bottom psp]
        for b in range(4):
            current = None
            for row in rows:
                label, psp, cd = row[1 + 3 * b], number(row[2 + 3 * b]), number(row[13])
                if label.endswith(("top", "Top")):
                    current = [[], [], psp, np.inf]
                    self.sections[(b, key3(middle_field(label)))] = current
                    continue
                if current is None:
                    continue
                if psp is not None and cd is not None and psp != 0:
                    current[0].append(psp)
                    current[1].append(cd)
                if label.endswith(("tom", "Bot")):
                    current[3] = psp
                    current = None
        for section in self.sections.values():
            section[0], section[1] = np.array(section[0]), np.array(section[1])

    @staticmethod
    def place(section, x):
        """Composite depths of PSPs x in one section, 1:1 beyond its ties."""
        p, c = section[0], section[1]
        if len(p) == 0:
            return np.full(len(x), NO_VALUE)
        y = np.interp(x, p, c)
        y = np.where(x < p[0], c[0] + x - p[0], y)
        return np.where(x > p[-1], c[-1] + x - p[-1], y)


class EventLayers:
    def __init__(self, path, correlation):
        layers = pd.read_csv(path, dtype=str, keep_default_na=False)
        spans = []
        for hole, section, top, bottom in layers.iloc[:, :4].itertuples(index=False):
            s = correlation.sections.get((correlation.names.get(hole, -1), key3(section)))
            if s is not None:
                spans.append(Correlation.place(s, np.array([float(top), float(bottom)])))
        spans.sort(key=lambda t: t[0])
        merged = []
        for top, bottom in spans:
            if merged and top <= merged[-1][1]:
                merged[-1][1] = max(merged[-1][1], bottom)
            else:
                merged.append([top, bottom])
        self.top = np.array([t for t, _ in merged])
        self.bottom = np.array([b for _, b in merged])
        self.above = np.concatenate([[0.0], np.cumsum(self.bottom - self.top)])

    def event_free(self, cd):
        i = np.searchsorted(self.bottom, cd, side="left")
        thickness = self.above[i]
        inside = i < len(self.top)
        top = self.top[np.minimum(i, len(self.top) - 1)]
        thickness = thickness + np.where(inside & (top < cd), cd - top, 0.0)
        return np.round(cd - thickness, 2)


class AgeModel:
    def __init__(self, path, correlation, events):
        points = pd.read_csv(path, dtype=str, keep_default_na=False)
        points = points[points.iloc[:, 8].str[:1].str.upper().isin(["C", "V"])]
        cds = []
        for hole, section, psp, cd in points.iloc[:, 1:5].itertuples(index=False):
            s = correlation.sections.get((correlation.names.get(hole, -1), key3(section)))
            cds.append(Correlation.place(s, np.array([float(psp)]))[0] if s is not None and psp != "---" else float(cd))
        self.efd = events.event_free(np.array(cds))
        self.plus = points.iloc[:, 5].astype(float).to_numpy()
        self.age = points.iloc[:, 6].astype(float).to_numpy()
        self.minus = points.iloc[:, 7].astype(float).to_numpy()
        self.unit = points.iloc[:, 9].to_numpy(dtype=object)

    def at(self, efd):
        lo = np.clip(np.searchsorted(self.efd, efd, side="right") - 1, 0, len(self.efd) - 2)
        f = (efd - self.efd[lo]) / (self.efd[lo + 1] - self.efd[lo])
        line = [v[lo] + f * (v[lo + 1] - v[lo]) for v in (self.age, self.plus, self.minus)]
        unit = np.where(self.unit[lo] == self.unit[lo + 1], self.unit[lo + 1], "Hybrid unit")
        return line, unit


def main(correlation_path, events_path, ages_path, samples_path, output_path):
    correlation = Correlation(correlation_path)
    events = EventLayers(events_path, correlation)
    ages = AgeModel(ages_path, correlation, events)
    section_ids = {key: i for i, key in enumerate(correlation.sections)}
    sections = list(correlation.sections.values())

    start = time.perf_counter()
    df = pd.read_csv(samples_path, dtype=str, keep_default_na=False)
    psp = pd.to_numeric(df.iloc[:, 3]).to_numpy()
    hole = df.iloc[:, 1].map(correlation.names).fillna(-1).astype(int)
    sid = (hole.astype(str) + "|" + df.iloc[:, 2].map(key3)).map(
        {f"{b}|{name}": i for (b, name), i in section_ids.items()}).fillna(-1).astype(int).to_numpy()

    cd = np.full(len(df), NO_VALUE)
    marker = (psp == NO_VALUE) | (psp == -NO_VALUE)
    for i, rows in pd.Series(sid).groupby(sid).indices.items():
        if i < 0:
            continue
        s = sections[i]
        x = psp[rows]
        inside = (x >= s[2]) & (x <= s[3]) & ~marker[rows]
        cd[rows[inside]] = Correlation.place(s, x[inside])
    cd = np.where(marker, psp, cd)
    no_value = (cd == NO_VALUE) | (cd == -NO_VALUE)

    efd = np.where(no_value, cd, events.event_free(cd))
    (age, plus, minus), unit = ages.at(efd)
    out = df.copy()
    out["Composite depth"] = np.round(cd, 2)
    out["Event free depth"] = efd
    out["Age"] = np.where(no_value, efd, np.round(age.astype(np.float32), 0))
    out["Age error (+)"] = np.where(no_value, efd, np.round(plus.astype(np.float32), 0))
    out["Age error (-)"] = np.where(no_value, efd, np.round(minus.astype(np.float32), 0))
    out["Age unit"] = np.where(no_value, efd.astype(object), unit)
    out.to_csv(output_path, index=False, quoting=csv.QUOTE_NONNUMERIC, lineterminator="\r\n")
    print(f"{time.perf_counter() - start:.6f}")


if __name__ == "__main__":
    main(*sys.argv[1:6])
