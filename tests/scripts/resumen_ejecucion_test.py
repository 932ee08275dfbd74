#!/usr/bin/env python3
"""The summary the test run ends with: the passes of ctest as .ci/run counts them (.ci/resumen.sh)
and the line of a fuzz target, or its fault shown (tests/fuzz/correr_objetivo.sh), on stand-ins
for ctest and for a fuzzer."""
import os
import pathlib
import shlex
import signal
import subprocess
import tempfile
import unittest

RAIZ = pathlib.Path(__file__).resolve().parent.parent.parent

# What ctest prints, and how it ends, in each case.
CTEST_BIEN = ('echo "1/7 Test #1: cliente.Editor731 ....   Passed"; echo; '
              'echo "100% tests passed, 0 tests failed out of 7"; echo; echo "Total Test time (real) =  12.60 sec"')
CTEST_MAL = ('echo "86% tests passed, 1 tests failed out of 7"; echo "The following tests FAILED:"; '
             'echo "  3 - cliente.Editor731 (Failed)"; echo "Errors while running CTest"; exit 8')
CTEST_NADA = 'echo "No tests were found!!!"'

# What libFuzzer prints: progress lines, then either its closing count and dictionary or a fault.
FUZZ_BIEN = ('echo "#2 INITED cov: 10 ft: 12 corp: 3/40b"; echo "#9000 DONE cov: 80"; '
             'echo "Done 9000 runs in 31 second(s)"; echo "###### Recommended dictionary. ######"; '
             'echo "\\"\\\\x00\\\\x01\\" # Uses: 12"; echo "###### End of recommended dictionary. ######"')
FUZZ_MAL = ('echo "#5 NEW cov: 20 ft: 30"; echo "==9==ERROR: AddressSanitizer: heap-buffer-overflow"; '
            'echo "    #0 0x55 in LeerLinea importacion.cpp:12"; '
            'echo "Test unit written to build-fuzz/importacion-crash-abc"; exit 1')


CABECERA = "set -euo pipefail\nsource .ci/resumen.sh\n"


def ejecutar(guion):
    return subprocess.run(["bash", "-c", CABECERA + guion], cwd=RAIZ, capture_output=True, text=True, check=False)


def guion_de(*pasos):
    """Each (title, ctest stand-in) pass as .ci/run runs it."""
    return "".join(f"probar {shlex.quote(t)} bash -c {shlex.quote(c)}\n" for t, c in pasos)


def pasadas(*pasos):
    return ejecutar(guion_de(*pasos))


def interrumpida(guion, senal, al_grupo):
    """Runs the script, and once it printed "started" sends SIGNAL to its process group (Ctrl+C, a time
    limit) or to the shell alone."""
    with subprocess.Popen(["bash", "-c", CABECERA + guion], cwd=RAIZ,
                          stdout=subprocess.PIPE, stderr=subprocess.STDOUT, text=True, start_new_session=True,
                          preexec_fn=lambda: signal.signal(signal.SIGINT, signal.SIG_DFL)) as proceso:
        antes = "".join(iter(proceso.stdout.readline, "started\n"))
        (os.killpg if al_grupo else os.kill)(proceso.pid, senal)
        return proceso.wait(), antes + proceso.stdout.read()


def objetivo(registro, fuzzer):
    return f"bash tests/fuzz/correr_objetivo.sh importacion {shlex.quote(str(registro))} bash -c {shlex.quote(fuzzer)}"


class Resumen(unittest.TestCase):
    def test_passes_end_with_their_counts_after_ctests_own_closing_lines(self):
        hecho = pasadas(("build/", CTEST_BIEN), ("build-clang/", CTEST_BIEN))
        self.assertEqual(hecho.returncode, 0, hecho.stdout + hecho.stderr)
        cuerpo, resumen = hecho.stdout.split("==== Summary ====\n")
        self.assertEqual(cuerpo.count("100% tests passed, 0 tests failed out of 7"), 2)
        self.assertEqual(resumen, "build/: all 7 tests passed (13 s)\nbuild-clang/: all 7 tests passed (13 s)\n"
                                  "Every test passed.\n")

    def test_a_pass_that_fails_or_counts_no_test_fails_the_run_and_is_named(self):
        for ctest, motivo in ((CTEST_MAL, "exit status 8"), (CTEST_NADA, "exit status 1")):
            with self.subTest(ctest=ctest):
                hecho = pasadas(("build/", CTEST_BIEN), ("build-san/", ctest), ("build-clang/", CTEST_BIEN))
                self.assertNotEqual(hecho.returncode, 0)
                cuerpo, resumen = hecho.stdout.split("==== Summary ====\n")
                self.assertIn(ctest.split('"')[1], cuerpo)
                self.assertEqual(resumen, "build/: all 7 tests passed (13 s)\n"
                                          f"FAILED while running the tests of build-san/ ({motivo}): "
                                          "that step's output is above.\n")

    def test_a_run_cut_short_says_so_names_its_step_and_fails(self):
        prueba = guion_de(("build/", CTEST_BIEN), ("build-san/", "echo started; sleep 0.5; " + CTEST_BIEN),
                          ("build-clang/", CTEST_BIEN))
        for guion, paso in ((prueba, "running the tests of build-san/"),
                            ('paso="building build-san/"\necho started; sleep 0.5\n', "building build-san/")):
            for senal in (signal.SIGTERM, signal.SIGINT):
                for al_grupo in (True, False):
                    with self.subTest(paso=paso, senal=senal.name, al_grupo=al_grupo):
                        estado, salida = interrumpida(guion, senal, al_grupo)
                        resumen = salida.split("==== Summary ====\n")[1]
                        self.assertTrue(resumen.endswith(f"INTERRUPTED while {paso} ({senal.name}): "
                                                         "the steps after it did not run.\n"), salida)
                        self.assertNotIn("build-san/:", resumen)
                        self.assertNotIn("build-clang/", resumen)
                        self.assertEqual(estado, 128 + senal)

    def test_a_fuzz_target_that_finds_nothing_is_one_line_of_the_summary(self):
        with tempfile.TemporaryDirectory() as carpeta:
            registro = pathlib.Path(carpeta) / "importacion.log"
            hecho = ejecutar(objetivo(registro, FUZZ_BIEN) + ' | tee "$registro"\nresumir "Fuzz target "\n')
            self.assertEqual(hecho.returncode, 0, hecho.stdout + hecho.stderr)
            self.assertIn("Recommended dictionary", registro.read_text())
        linea = f"Fuzz target importacion: 9000 runs in 31 s, no fault found (output: {registro})\n"
        self.assertEqual(hecho.stdout, f"{linea}\n==== Summary ====\n{linea}Every test passed.\n")
        self.assertEqual(hecho.stderr, "")

    def test_a_fuzz_target_that_fails_shows_its_fault_and_fails(self):
        with tempfile.TemporaryDirectory() as carpeta:
            registro = pathlib.Path(carpeta) / "importacion.log"
            hecho = ejecutar('paso="running the fuzz targets"\n' + objetivo(registro, FUZZ_MAL) + "\n")
        self.assertNotEqual(hecho.returncode, 0)
        self.assertEqual(hecho.stderr.splitlines(), [
            "==9==ERROR: AddressSanitizer: heap-buffer-overflow",
            "    #0 0x55 in LeerLinea importacion.cpp:12",
            "Test unit written to build-fuzz/importacion-crash-abc",
            f"Fuzz target importacion FAILED: its fault is shown above; its whole output is in {registro}"])
        self.assertNotIn("Fuzz target importacion:", hecho.stdout)
        self.assertIn("FAILED while running the fuzz targets (exit status 1)", hecho.stdout)


if __name__ == "__main__":
    unittest.main()
