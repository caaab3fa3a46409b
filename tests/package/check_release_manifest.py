#!/usr/bin/env python3
"""Checks what identifies a release ZIP against the ZIP itself: the SPDX 2.3 document and
SHA256SUMS beside it, and the notices inside it.

    check_release_manifest.py <folder>/NvLinkLauncher-<version>-win32.zip

Every file of the ZIP must be listed with its own hashes and exactly one package; every DLL
must belong to a third-party package with a licence and its texts; every third-party package
must ship in a DLL, its own or one that contains it (linked in), with its texts and notice;
SHA256SUMS must verify with `sha256sum -c` once the ZIP is unpacked beside it. Prints every fault found.
"""
import hashlib
import json
import re
import subprocess
import sys
import tempfile
import zipfile
from pathlib import Path

faults = []


def fault(message):
    faults.append(message)


def digest(algorithm, data):
    return hashlib.new(algorithm, data).hexdigest()


def check_shape(document):
    """The fields SPDX 2.3 requires of a document, its packages and files."""
    expected = {"spdxVersion": "SPDX-2.3", "dataLicense": "CC0-1.0", "SPDXID": "SPDXRef-DOCUMENT"}
    for key, value in expected.items():
        if document.get(key) != value:
            fault(f"{key} is {document.get(key)!r}, not {value!r}")
    namespace = document.get("documentNamespace", "")
    if not re.match(r"^[a-z][a-z0-9+.-]*:\S+$", namespace) or "#" in namespace:
        fault(f"documentNamespace {namespace!r} is no URI without '#'")
    if not document.get("name"):
        fault("the document has no name")
    creation = document.get("creationInfo", {})
    if not re.match(r"^\d{4}-\d\d-\d\dT\d\d:\d\d:\d\dZ$", creation.get("created", "")):
        fault(f"creationInfo.created {creation.get('created')!r} is no UTC time")
    if not creation.get("creators"):
        fault("creationInfo names no creator")
    for key in ("packages", "files", "relationships"):
        if not isinstance(document.get(key), list) or not document[key]:
            fault(f"{key} is missing or empty")
            document[key] = []
    for package in document["packages"]:
        for key in ("SPDXID", "name", "versionInfo", "downloadLocation", "licenseConcluded",
                    "licenseDeclared"):
            if not package.get(key):
                fault(f"package {package.get('name')!r} has no {key}")
    for entry in document["files"]:
        for key in ("SPDXID", "fileName", "checksums"):
            if not entry.get(key):
                fault(f"file {entry.get('fileName')!r} has no {key}")


def main():
    if len(sys.argv) != 2:
        sys.exit(__doc__)
    zip_path = Path(sys.argv[1]).resolve()
    release = zip_path.name.removesuffix(".zip")
    spdx_path = zip_path.with_name(f"{release}.spdx.json")
    sums_path = zip_path.with_name("SHA256SUMS")
    for path in (zip_path, spdx_path, sums_path):
        if not path.is_file():
            sys.exit(f"no {path}")
    zip_bytes = zip_path.read_bytes()
    with zipfile.ZipFile(zip_path) as archive:
        shipped = {
            info.filename: archive.read(info) for info in archive.infolist() if not info.is_dir()
        }

    try:
        document = json.loads(spdx_path.read_text(encoding="utf-8"))
    except ValueError as error:
        sys.exit(f"{spdx_path} does not parse: {error}")
    check_shape(document)

    elements = {}
    for element in document["packages"] + document["files"]:
        if element.get("SPDXID") in elements:
            fault(f"SPDX id {element.get('SPDXID')} is used twice")
        elements[element.get("SPDXID")] = element
    packages = {package["SPDXID"]: package for package in document["packages"]}

    # The document describes the product, whose package file is this very ZIP.
    described = [r["relatedSpdxElement"] for r in document["relationships"]
                 if r.get("spdxElementId") == "SPDXRef-DOCUMENT"
                 and r.get("relationshipType") == "DESCRIBES"]
    if len(described) != 1 or described[0] not in packages:
        fault(f"the document describes {described}, not one package")
        product = {}
    else:
        product = packages[described[0]]
    zip_sums = {c["algorithm"]: c["checksumValue"] for c in product.get("checksums", [])}
    if product.get("packageFileName") != zip_path.name or \
            zip_sums.get("SHA256") != digest("sha256", zip_bytes):
        fault(f"the product's package is {product.get('packageFileName')!r} with SHA-256 "
              f"{zip_sums.get('SHA256')}, not this ZIP")

    for relationship in document["relationships"]:
        for key in ("spdxElementId", "relatedSpdxElement"):
            if relationship.get(key) not in elements and \
                    relationship.get(key) != "SPDXRef-DOCUMENT":
                fault(f"a relationship names {relationship.get(key)}, which is not listed")
    owners = {}
    for relationship in document["relationships"]:
        if relationship.get("relationshipType") == "CONTAINS":
            owners.setdefault(relationship["relatedSpdxElement"], []).append(
                relationship["spdxElementId"])

    # Every shipped file, with its own hashes and exactly one package.
    listed = {}
    for entry in document["files"]:
        name = entry.get("fileName", "").removeprefix("./")
        listed[name] = entry
    if set(listed) != set(shipped):
        fault(f"the document lists {sorted(set(listed) - set(shipped))} beyond the ZIP and "
              f"misses {sorted(set(shipped) - set(listed))}")
    file_package = {}
    for name in sorted(set(listed) & set(shipped)):
        entry = listed[name]
        sums = {c["algorithm"]: c["checksumValue"] for c in entry.get("checksums", [])}
        for algorithm in ("SHA1", "SHA256"):
            if sums.get(algorithm) != digest(algorithm.lower(), shipped[name]):
                fault(f"{name}: {algorithm} {sums.get(algorithm)} is not the shipped file's")
        found = owners.get(entry.get("SPDXID"), [])
        if len(found) != 1 or found[0] not in packages:
            fault(f"{name} belongs to {found}, not one package")
            continue
        package = packages[found[0]]
        file_package[name] = package
        if entry.get("licenseConcluded") != package.get("licenseDeclared"):
            fault(f"{name}: licence {entry.get('licenseConcluded')!r}, its package's "
                  f"{package.get('licenseDeclared')!r}")

    # Every DLL is a third-party library with a licence, its version and texts.
    top = f"{release}/"
    notices = shipped.get(f"{top}THIRD-PARTY-NOTICES.txt", b"").decode("utf-8")
    if not notices:
        fault("the ZIP has no THIRD-PARTY-NOTICES.txt at its top")
    for name in sorted(n for n in shipped if n.lower().endswith(".dll")):
        package = file_package.get(name)
        if package is None:
            continue
        dll = name.removeprefix(top)
        if package is product or package.get("licenseDeclared") in ("NOASSERTION", "NONE"):
            fault(f"{dll} is listed as {package.get('name')!r} with licence "
                  f"{package.get('licenseDeclared')!r}")
            continue
        texts = [n for n in shipped
                 if n.startswith(f"{top}licenses/{package['name']}/") and shipped[n].strip()]
        if not texts:
            fault(f"{dll}: no licence text under licenses/{package['name']}/")
        block = re.search(rf"^{re.escape(dll)}\r\n((?:  .*\r\n)+)", notices, re.MULTILINE)
        if block is None:
            fault(f"THIRD-PARTY-NOTICES.txt has no entry for {dll}")
            continue
        for fact in (package["name"], package["versionInfo"], package["licenseDeclared"]):
            if fact not in block.group(1):
                fault(f"THIRD-PARTY-NOTICES.txt: the entry for {dll} does not say {fact!r}")
        for text in re.findall(r"licenses\\[^\s]+", block.group(1)):
            if f"{top}{text.replace(chr(92), '/')}" not in shipped:
                fault(f"THIRD-PARTY-NOTICES.txt: {dll} points to {text}, which is not shipped")
        # A toolchain DLL's version is the installed Debian package's.
        for ref in package.get("externalRefs", []):
            purl = re.match(r"^pkg:deb/debian/([^@]+)@", ref.get("referenceLocator", ""))
            if purl:
                installed = subprocess.run(
                    ["dpkg-query", "-W", "-f=${Version}", purl.group(1)],
                    capture_output=True, text=True).stdout
                if installed != package["versionInfo"]:
                    fault(f"{dll}: version {package['versionInfo']}, but {purl.group(1)} "
                          f"{installed!r} is installed")

    # Every third-party package ships in a DLL: its own, or one it is linked into, which then
    # contains it. Linked in, it still needs its texts and its entry under that DLL.
    dll_ids = {listed[n]["SPDXID"]: n.removeprefix(top) for n in listed
               if n.lower().endswith(".dll") and n in shipped}
    contained_in = {}
    for relationship in document["relationships"]:
        if relationship.get("relationshipType") == "CONTAINS" and \
                relationship.get("spdxElementId") in dll_ids and \
                relationship.get("relatedSpdxElement") in packages:
            contained_in.setdefault(relationship["relatedSpdxElement"], []).append(
                dll_ids[relationship["spdxElementId"]])
    owning = {package.get("SPDXID") for name, package in file_package.items()
              if name.lower().endswith(".dll")}
    for package_id, package in sorted(packages.items()):
        if package is product:
            continue
        dlls = contained_in.get(package_id, [])
        if package_id not in owning and not dlls:
            fault(f"package {package.get('name')!r} ships in no DLL: none is its own, none "
                  f"contains it")
        for dll in dlls:
            texts = [n for n in shipped
                     if n.startswith(f"{top}licenses/{package['name']}/") and shipped[n].strip()]
            if not texts:
                fault(f"{package['name']} in {dll}: no licence text under "
                      f"licenses/{package['name']}/")
            heading = f"{package['name']}, linked into {dll}"
            block = re.search(rf"^{re.escape(heading)}\r\n((?:  .*\r\n)+)", notices, re.MULTILINE)
            if block is None:
                fault(f"THIRD-PARTY-NOTICES.txt has no entry '{heading}'")
                continue
            for fact in (package["versionInfo"], package["licenseDeclared"]):
                if fact not in block.group(1):
                    fault(f"THIRD-PARTY-NOTICES.txt: the entry '{heading}' does not say {fact!r}")

    # SHA256SUMS: exactly the ZIP, the document and every file, and it verifies as documented.
    sums_names = sorted(line.split("  ", 1)[1] for line in
                        sums_path.read_text(encoding="utf-8").splitlines())
    expected_names = sorted([zip_path.name, spdx_path.name] + list(shipped))
    if sums_names != expected_names:
        fault(f"SHA256SUMS lists {sorted(set(sums_names) ^ set(expected_names))} wrongly")
    with tempfile.TemporaryDirectory() as scratch:
        for path in (zip_path, spdx_path, sums_path):
            (Path(scratch) / path.name).write_bytes(path.read_bytes())
        with zipfile.ZipFile(zip_path) as archive:
            archive.extractall(scratch)
        check = subprocess.run(["sha256sum", "--check", "--strict", "--quiet", "SHA256SUMS"],
                               cwd=scratch, capture_output=True, text=True)
        if check.returncode != 0:
            fault(f"sha256sum -c SHA256SUMS failed: {check.stdout}{check.stderr}")

    if faults:
        print(f"{zip_path.name}: the release manifest does not match the ZIP:")
        for message in faults:
            print(f"  {message}")
        return 1
    print(f"{zip_path.name}: {len(shipped)} files, each listed with its hashes and package; "
          f"SHA256SUMS verifies")
    return 0


if __name__ == "__main__":
    sys.exit(main())
