#!/usr/bin/env python3
"""Checks the administrators' files of the company directory against the
program: the ADMX and ADML templates parse, every string and presentation the
ADMX names is in the ADML, every element is presented, and every value name
of the templates and of the .reg example is a setting the program reads."""
import re
import sys
import xml.etree.ElementTree as ET
from pathlib import Path

root = Path(__file__).resolve().parent.parent
ns = {"p": "http://schemas.microsoft.com/GroupPolicy/2006/07/PolicyDefinitions"}
settings = set(re.findall(r'constexpr char k\w+\[\] = "(\w+)";',
                          (root / "directory/directory_settings.h").read_text()))
admx = ET.parse(root / "packaging/policy/faximport.admx").getroot()
adml = ET.parse(root / "packaging/policy/en-US/faximport.adml").getroot()
strings = {s.get("id") for s in adml.iterfind(".//p:stringTable/p:string", ns)}
presentations = {p.get("id"): {c.get("refId") for c in p} for p in adml.iterfind(".//p:presentation", ns)}

problems = []
for text in ET.tostring(admx, encoding="unicode").split('"'):
    for kind, name in re.findall(r"\$\((string|presentation)\.(\w+)\)", text):
        if name not in (strings if kind == "string" else presentations):
            problems.append(f"ADMX names {kind} {name}, which the ADML lacks")
for policy in admx.iterfind(".//p:policy", ns):
    if policy.get("key") != r"Software\Policies\faximport\Directory":
        problems.append(f"policy {policy.get('name')} writes to {policy.get('key')}")
    shown = presentations.get(policy.get("name"), set())
    for element in policy.find("p:elements", ns):
        if element.get("id") not in shown:
            problems.append(f"element {element.get('id')} is not presented")
        if element.get("valueName") not in settings:
            problems.append(f"ADMX value {element.get('valueName')} is no setting of the program")
reg = (root / "packaging/directory-example.reg").read_text(encoding="ascii")
for name in re.findall(r'^"(\w+)"=', reg, re.M):
    if name not in settings:
        problems.append(f".reg value {name} is no setting of the program")
if not settings:
    problems.append("no setting names found in directory/directory_settings.h")

for problem in problems:
    print(problem)
print("policy template: " + ("problems found" if problems else f"{len(settings)} settings, all named alike"))
sys.exit(1 if problems else 0)
