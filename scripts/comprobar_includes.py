#!/usr/bin/env python3
"""Fails when a file of the program includes a header from above its own level.

Levels of Cliente/, bottom to top: compartido/ (the pieces every window builds on), the window
folders (every other folder; they may include each other), and principal/ with main.cpp (the
main window, the only place that opens the windows). An include may only point at its own level
or below. Headers outside Cliente/ (the library, the platform) are not looked at.
"""
import pathlib
import re
import sys

COMUN, VENTANAS, PRINCIPAL = 0, 1, 2
NOMBRES = {COMUN: "compartido", VENTANAS: "window folder", PRINCIPAL: "principal"}
INCLUDE = re.compile(r'^\s*#\s*include\s*"([^"]+)"')


def nivel(carpeta):
    """The level of a folder of Cliente/ ("" for Cliente/ itself, where main.cpp is)."""
    if carpeta == "compartido":
        return COMUN
    if carpeta in ("principal", ""):
        return PRINCIPAL
    return VENTANAS


def subidas(cliente):
    carpetas = {d.name for d in cliente.iterdir() if d.is_dir()}
    for fichero in sorted(cliente.rglob("*")):
        if fichero.suffix not in (".h", ".cpp") or not fichero.is_file():
            continue
        relativo = fichero.relative_to(cliente)
        origen = nivel(relativo.parts[0] if len(relativo.parts) > 1 else "")
        lineas = fichero.read_text(encoding="utf-8", errors="replace").splitlines()
        for numero, linea in enumerate(lineas, 1):
            m = INCLUDE.match(linea)
            if not m or "/" not in m.group(1):
                continue
            carpeta = m.group(1).split("/")[0]
            if carpeta not in carpetas:
                continue
            destino = nivel(carpeta)
            if destino > origen:
                yield f"Cliente/{relativo}:{numero}: {NOMBRES[origen]} includes {NOMBRES[destino]}: \"{m.group(1)}\""


def main():
    raiz = pathlib.Path(sys.argv[1]) if len(sys.argv) > 1 else pathlib.Path(__file__).resolve().parent.parent
    fallos = list(subidas(raiz / "Cliente"))
    for fallo in fallos:
        print(fallo)
    if fallos:
        print(f"{len(fallos)} include(s) point upwards")
        return 1
    print("Includes of Cliente/ point downwards only")
    return 0


if __name__ == "__main__":
    sys.exit(main())
