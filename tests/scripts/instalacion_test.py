#!/usr/bin/env python3
"""The install (cmake --install): the runnable folder it lays out, found from its own folder, and
a second install over a folder in use that keeps the user's data byte for byte.

Run by ctest with the cmake program and the build folder as arguments."""
import pathlib
import sqlite3
import subprocess
import sys
import tempfile
import unittest

CMAKE, CONSTRUCCION = sys.argv[1], pathlib.Path(sys.argv[2])
LIBRERIAS = ("libBrunsel.so", "libGarobelLib.so", "libPlataforma.so")


def instalar(carpeta):
    hecho = subprocess.run([CMAKE, "--install", str(CONSTRUCCION), "--prefix", str(carpeta)],
                           capture_output=True, text=True, check=False)
    assert hecho.returncode == 0, hecho.stdout + hecho.stderr
    return hecho.stdout


def resueltas(programa):
    """The shared libraries a program loads, by name, as the dynamic loader resolves them."""
    salida = subprocess.run(["ldd", str(programa)], capture_output=True, text=True, check=True).stdout
    return {linea.split()[0]: linea.split()[2] for linea in salida.splitlines() if " => " in linea}


class Instalacion(unittest.TestCase):
    def setUp(self):
        self._temporal = tempfile.TemporaryDirectory()
        self.carpeta = pathlib.Path(self._temporal.name) / "Oxalde"
        self.addCleanup(self._temporal.cleanup)

    def test_lays_out_a_folder_that_finds_its_own_libraries(self):
        instalar(self.carpeta)
        cliente = self.carpeta / "Cliente"
        for archivo in ("Cliente/Oxalde", "Tablas/731_2Lec.mdb", "Tablas/731_2Mod.mdb",
                        "Cliente/Ayuda/Ayuda.chm", "Cliente/Ayuda/Laguntza.chm"):
            self.assertTrue((self.carpeta / archivo).exists(), archivo)
        # The build folder out of reach: every library of its own the program loads (the
        # library's own dependencies too) comes from its folder, and none names the build folder.
        cargadas = resueltas(cliente / "Oxalde")
        self.assertEqual({libreria: cargadas.get(libreria) for libreria in LIBRERIAS},
                         {libreria: str(cliente / libreria) for libreria in LIBRERIAS})
        for programa in ("Oxalde",) + LIBRERIAS:
            dinamica = subprocess.run(["readelf", "-d", str(cliente / programa)],
                                      capture_output=True, text=True, check=True).stdout
            self.assertNotIn(str(CONSTRUCCION), dinamica, programa)

    def test_installing_again_keeps_the_users_data_and_renews_the_reference(self):
        instalar(self.carpeta)
        mod, lec = self.carpeta / "Tablas/731_2Mod.mdb", self.carpeta / "Tablas/731_2Lec.mdb"
        with sqlite3.connect(mod) as bd:
            bd.execute("INSERT INTO T01_DECLARANTES (T01_DNI, T01_NOMBRE) VALUES ('12345678Z', 'GUARDADO')")
        with sqlite3.connect(lec) as bd:
            fecha = bd.execute("SELECT T08_FECHAMAX FROM T08_GENERAL").fetchone()
            bd.execute("UPDATE T08_GENERAL SET T08_FECHAMAX = 20991231")
        copia = self.carpeta / "Cliente/backups/7312Mod_Bak.mdb"
        copia.parent.mkdir()
        copia.write_bytes(mod.read_bytes())
        datos = {ruta: ruta.read_bytes() for ruta in (mod, copia)}

        salida = instalar(self.carpeta)
        self.assertIn("User database kept as it was", salida)
        for ruta, contenido in datos.items():
            self.assertEqual(ruta.read_bytes(), contenido, ruta)
        with sqlite3.connect(lec) as bd:
            self.assertEqual(bd.execute("SELECT T08_FECHAMAX FROM T08_GENERAL").fetchone(), fecha)


if __name__ == "__main__":
    unittest.main(argv=sys.argv[:1])
