#!/usr/bin/env python3
"""The layer check of the program's includes (scripts/comprobar_includes.py), on small trees of
its own and on the tree as it stands."""
import importlib.util
import pathlib
import subprocess
import sys
import tempfile
import unittest

RAIZ = pathlib.Path(__file__).resolve().parent.parent.parent
COMPROBADOR = RAIZ / "scripts" / "comprobar_includes.py"

# The headers every small tree holds: one per level, two window folders, the library's own and
# public headers.
CABECERAS = (
    "Cliente/principal/MDI7312.h",
    "Cliente/compartido/general.h",
    "Cliente/registro/FrmDecLista.h",
    "Cliente/form731/FrmDatos731.h",
    "Cliente/form731/cDatos731.h",
    "Servidor/tablas/tDeclarante.h",
    "Servidor/general.h",
    "Servidor/servicios/cDeclarante.h",
)


_spec = importlib.util.spec_from_file_location("comprobar_includes", COMPROBADOR)
comprobador = importlib.util.module_from_spec(_spec)
_spec.loader.exec_module(comprobador)


def reportados(raiz):
    """The includes the checker reports in a tree, as "file:line"."""
    return {":".join(fallo.split(":")[:2]) for fallo in comprobador.fallos(raiz)}


class ComprobarIncludes(unittest.TestCase):
    def arbol(self, fichero, lineas):
        """A small tree with the common headers and one more file holding the given lines."""
        carpeta = tempfile.TemporaryDirectory()
        self.addCleanup(carpeta.cleanup)
        raiz = pathlib.Path(carpeta.name)
        for ruta in CABECERAS + (fichero,):
            (raiz / ruta).parent.mkdir(parents=True, exist_ok=True)
            (raiz / ruta).write_text("")
        (raiz / fichero).write_text("".join(linea + "\n" for linea in lineas))
        return raiz

    def test_includes_that_break_the_levels_are_caught(self):
        casos = {
            "compartido includes principal": ("Cliente/compartido/a.cpp", '#include "principal/MDI7312.h"'),
            "a window folder includes principal": ("Cliente/registro/a.cpp", '#include "principal/MDI7312.h"'),
            "another window folder's window": ("Cliente/registro/a.cpp", '#include "form731/FrmDatos731.h"'),
            "compartido includes a window folder": ("Cliente/compartido/a.h", '#include "registro/FrmDecLista.h"'),
            "the library's tables": ("Cliente/registro/a.cpp", '#include "tablas/tDeclarante.h"'),
            "the library's own header": ("Cliente/principal/a.cpp", '#include "general.h"'),
            "upwards through ../": ("Cliente/compartido/a.cpp", '#include "../principal/MDI7312.h"'),
            "# include with spaces": ("Cliente/compartido/a.cpp", '  #  include   "principal/MDI7312.h"'),
            "angle brackets": ("Cliente/compartido/a.cpp", "#include <principal/MDI7312.h>"),
            "angle brackets, the library's tables": ("Cliente/form731/a.cpp", "# include <tablas/tDeclarante.h>"),
        }
        for caso, (fichero, linea) in casos.items():
            with self.subTest(caso):
                raiz = self.arbol(fichero, ["#include <vector>", linea])
                self.assertEqual(reportados(raiz), {f"{fichero}:2"})

    def test_includes_within_the_levels_pass(self):
        lineas = [
            "#include <vector>",
            "#include <QString>",
            "#include <vb/variant.h>",
            '#include "controles/FlexGrid.h"',
            '#include "compartido/general.h"',
            "#include <compartido/general.h>",
            '#include "../compartido/general.h"',
            '#include "cDatos731.h"',
            '#include "form731/cDatos731.h"',
            '#include "servicios/cDeclarante.h"',
            "#include <servicios/cDeclarante.h>",
            '// #include "principal/MDI7312.h"',
        ]
        casos = {
            "a window folder": ("Cliente/form731/a.cpp", lineas),
            "another folder's record": ("Cliente/registro/a.cpp", lineas),
            "principal opens every window": ("Cliente/principal/a.cpp",
                                             lineas + ['#include "registro/FrmDecLista.h"']),
            "main.cpp beside the levels": ("Cliente/main.cpp", ['#include "principal/MDI7312.h"']),
        }
        for caso, (fichero, texto) in casos.items():
            with self.subTest(caso):
                self.assertEqual(reportados(self.arbol(fichero, texto)), set())

    def test_the_tree_as_it_stands_passes(self):
        hecho = subprocess.run([sys.executable, str(COMPROBADOR), str(RAIZ)],
                               capture_output=True, text=True, check=False)
        self.assertEqual(hecho.returncode, 0, hecho.stdout)


if __name__ == "__main__":
    unittest.main()
