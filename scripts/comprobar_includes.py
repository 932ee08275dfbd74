#!/usr/bin/env python3
"""Fails when a file of the program includes what it must not.

Levels of Cliente/, bottom to top: compartido/ (the pieces every window builds on), the window
folders (every other folder), and principal/ with main.cpp (the main window, the only place that
opens the windows of every folder). An include may only point at its own level or below, and a
window folder includes no other folder's windows (Frm*.h, frm*.h): it opens them through
VentanaPrincipal. It may read another folder's records (cDatos731, cDecDatos, cImOf, ...).

The program reaches the library Brunsel (Servidor/) only through its public headers, those of
Servidor/servicios/; the table access (tablas/) and the rest are the library's own.

Both forms are read, "x.h" and <x.h>, each resolved as the compiler would: a quoted include
beside the including file first (so "../x/y.h" counts), then, like an angle-bracket one, from
Cliente/ and from the library's folder. What is no file of these (the standard library, Qt, the
layers under the program) is not the program's to check.
"""
import os
import pathlib
import re
import sys

COMUN, VENTANAS, PRINCIPAL = 0, 1, 2
NOMBRES = {COMUN: "compartido", VENTANAS: "window folder", PRINCIPAL: "principal"}
INCLUDE = re.compile(r'^\s*#\s*include\s*("[^"]+"|<[^>]+>)')
VENTANA = re.compile(r"^[Ff]rm")


def nivel(carpeta):
    """The level of a folder of Cliente/ ("" for Cliente/ itself, where main.cpp is)."""
    if carpeta == "compartido":
        return COMUN
    if carpeta in ("principal", ""):
        return PRINCIPAL
    return VENTANAS


def resolver(fichero, incluido, cliente, servidor):
    """The file an include ("x.h" or <x.h>) names, or None when it lies outside the program and
    the library."""
    bases = (cliente, servidor) if incluido.startswith("<") else (fichero.parent, cliente, servidor)
    for base in bases:
        candidato = pathlib.Path(os.path.normpath(base / incluido[1:-1]))
        if candidato.is_file():
            return candidato
    return None


def carpeta_de(ruta, cliente):
    relativo = ruta.relative_to(cliente)
    return relativo.parts[0] if len(relativo.parts) > 1 else ""


def fallos(raiz):
    cliente, servidor = raiz / "Cliente", raiz / "Servidor"
    publicos = servidor / "servicios"
    for fichero in sorted(cliente.rglob("*")):
        if fichero.suffix not in (".h", ".cpp") or not fichero.is_file():
            continue
        origen_carpeta = carpeta_de(fichero, cliente)
        origen = nivel(origen_carpeta)
        nombre = f"Cliente/{fichero.relative_to(cliente)}"
        lineas = fichero.read_text(encoding="utf-8", errors="replace").splitlines()
        for numero, linea in enumerate(lineas, 1):
            m = INCLUDE.match(linea)
            if not m:
                continue
            destino_ruta = resolver(fichero, m.group(1), cliente, servidor)
            if destino_ruta is None:
                continue
            texto = f"{nombre}:{numero}: {m.group(1)}"
            if destino_ruta.is_relative_to(servidor):
                if not destino_ruta.is_relative_to(publicos):
                    yield f"{texto}: a header of the library's own, not of servicios/"
                continue
            if not destino_ruta.is_relative_to(cliente):
                continue
            destino_carpeta = carpeta_de(destino_ruta, cliente)
            destino = nivel(destino_carpeta)
            if destino > origen:
                yield f"{texto}: {NOMBRES[origen]} includes {NOMBRES[destino]}"
            elif (origen == destino == VENTANAS and destino_carpeta != origen_carpeta
                  and VENTANA.match(destino_ruta.name)):
                yield f"{texto}: a window of another window folder (open it through VentanaPrincipal)"


def main():
    raiz = pathlib.Path(sys.argv[1]) if len(sys.argv) > 1 else pathlib.Path(__file__).resolve().parent.parent
    encontrados = list(fallos(raiz.resolve()))
    for fallo in encontrados:
        print(fallo)
    if encontrados:
        print(f"{len(encontrados)} include(s) break the levels")
        return 1
    print("Includes of Cliente/ point downwards only and reach the library through servicios/")
    return 0


if __name__ == "__main__":
    sys.exit(main())
