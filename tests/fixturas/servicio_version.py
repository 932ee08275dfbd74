#!/usr/bin/env python3
"""A stand-in for the update service, for the version-check tests.

Listens on 127.0.0.1 on a free port and prints that port on the first line. The first part of
the path picks the answer (see ESCENARIOS and the oversized answers below); every request is
printed as "METHOD path?query" before it is answered. Ends when its standard input closes, or
after 120 s in any case.
"""
import http.server
import sys
import threading

SECCION = "[informacion]\r\n"
ACENTOS = "descripcion=Nueva versión, con las tablas de 2013; cañón 5 € \"x\"\r\n"


def ini(version, extra=""):
    return (SECCION + "currentversion=" + version + "\r\n"
            "downloadurl=http://127.0.0.1:{puerto}/descarga/Oxalde.exe\r\n" + extra)


# path -> (status, headers, body in Windows-1252)
ESCENARIOS = {
    "mismo": (200, {}, ini("2.1.0", "descripcion=La misma\r\n")),
    "distinta": (200, {}, ini("2.1.1", "descripcion=Otra\r\n")),
    "blancos": (200, {}, ini("  2.1.1   ")),
    "dos": (200, {}, ini("2.1")),
    "sinseccion": (200, {}, "[otra]\r\ncurrentversion=2.1.1\r\n"),
    "vacio": (200, {}, ""),
    "acentos": (200, {}, ini("2.1.1", ACENTOS)),
    "redirige": (302, {"Location": "/mismo"}, ""),
    "e404": (404, {}, "<html><body>No encontrado</body></html>"),
    "e500": (500, {}, "<html><body>Error</body></html>"),
}

# The program's limit on an answer, and a valid version file of exactly that size.
MAXIMO = 64 * 1024
JUSTO = ini("2.1.0").encode("cp1252")
JUSTO += b";" + b"x" * (MAXIMO - len(JUSTO) - 3) + b"\r\n"

# Oversized answers: path -> (body, whether its length is declared). "sinfin" never ends: it
# sends until the client hangs up, then prints "CORTADO <bytes sent>".
GRANDES = {
    "justo": (JUSTO, True),
    "grande": (JUSTO + b";" * (1024 * 1024), True),
    "grandesinlongitud": (JUSTO + b";" * (1024 * 1024), False),
}

fin = threading.Event()


class Servicio(http.server.BaseHTTPRequestHandler):
    def do_GET(self):
        print(self.command, self.path, flush=True)
        escenario = self.path.split("?")[0].strip("/").split("/")[0]
        if escenario == "mudo":  # takes the request and never answers
            fin.wait(120)
            return
        if escenario == "sinfin":
            self.sin_fin()
            return
        if escenario in GRANDES:
            cuerpo, declarado = GRANDES[escenario]
            self.send_response(200)
            if declarado:
                self.send_header("Content-Length", str(len(cuerpo)))
            self.end_headers()
            self.escribir(cuerpo)
            return
        estado, cabeceras, cuerpo = ESCENARIOS.get(escenario, (404, {}, ""))
        datos = cuerpo.replace("{puerto}", str(self.server.server_port)).encode("cp1252")
        self.send_response(estado)
        for nombre, valor in cabeceras.items():
            self.send_header(nombre, valor)
        self.send_header("Content-Length", str(len(datos)))
        self.end_headers()
        self.wfile.write(datos)

    def escribir(self, datos):
        try:
            self.wfile.write(datos)
        except (BrokenPipeError, ConnectionResetError):
            pass

    def sin_fin(self):
        self.send_response(200)
        self.end_headers()
        bloque = ini("2.1.0").encode("cp1252") + b";" * (64 * 1024)
        enviados = 0
        try:
            while not fin.is_set():
                self.wfile.write(bloque)
                enviados += len(bloque)
        except (BrokenPipeError, ConnectionResetError):
            pass
        print("CORTADO", enviados, flush=True)

    def log_message(self, *args):
        pass


def main():
    servidor = http.server.ThreadingHTTPServer(("127.0.0.1", 0), Servicio)
    servidor.daemon_threads = True
    print(servidor.server_port, flush=True)
    threading.Thread(target=servidor.serve_forever, daemon=True).start()
    threading.Thread(target=lambda: (sys.stdin.read(), fin.set()), daemon=True).start()
    fin.wait(120)
    fin.set()
    servidor.shutdown()


if __name__ == "__main__":
    main()
