#include "cliente/cups_prueba.h"

#include <cups/cups.h>
#include <grp.h>
#include <pwd.h>
#include <unistd.h>

#include <algorithm>

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QStandardPaths>
#include <QTcpServer>
#include <QTcpSocket>
#include <QThread>

#include "cliente/ficheros_prueba.h"

namespace prueba {
namespace {

const QStringList kCarpetasSistema = {"/usr/sbin", "/usr/bin", "/sbin", "/usr/local/sbin"};
constexpr const char* kCola = "Oxalde";

QString Programa(const QString& nombre) { return QStandardPaths::findExecutable(nombre, kCarpetasSistema); }

// Where the installed filters and backends live (cups-config knows; Debian's place otherwise).
QString CarpetaProgramasCups() {
    QProcess config;
    config.start(QStringLiteral("cups-config"), {QStringLiteral("--serverbin")});
    if (config.waitForFinished(5000) && config.exitCode() == 0) {
        const QString carpeta = QString::fromLocal8Bit(config.readAllStandardOutput()).trimmed();
        if (QDir(carpeta).exists()) return carpeta;
    }
    return QStringLiteral("/usr/lib/cups");
}

int PuertoLibre() {
    QTcpServer s;
    return s.listen(QHostAddress::LocalHost, 0) ? s.serverPort() : 0;
}

// The queue's backend: with no arguments it lists no device; with a job it copies the file (or
// its standard input) into the folder of its URI, carpeta:/path, as job-<id>.pdf.
constexpr const char* kBackend = R"(#!/bin/sh
[ $# -eq 0 ] && exit 0
dir=${DEVICE_URI#carpeta:}
if [ $# -ge 6 ]; then cp "$6" "$dir/.job-$1"; else cat > "$dir/.job-$1"; fi
mv "$dir/.job-$1" "$dir/job-$1.pdf"
)";

}  // namespace

ServidorCups::ServidorCups() {
    entornoAnterior_ = qgetenv("CUPS_SERVER");
    if (!raiz_.isValid()) {
        motivo_ = "no temporary folder";
        return;
    }
    const int puerto = PuertoLibre();
    if (Programa("cupsd").isEmpty() || Programa("lpadmin").isEmpty()) {
        motivo_ = "cupsd or lpadmin not installed (package cups)";
    } else if (puerto == 0) {
        motivo_ = "no free local port";
    } else if (Configurar(puerto) && Arrancar()) {
        // The program, Qt's printer list and libcups in this process all ask this server.
        qputenv("CUPS_SERVER", servidor_.toUtf8());
        cupsSetServer(servidor_.toUtf8().constData());
    }
}

ServidorCups::~ServidorCups() {
    cupsSetServer(nullptr);
    if (entornoAnterior_.isNull())
        qunsetenv("CUPS_SERVER");
    else
        qputenv("CUPS_SERVER", entornoAnterior_);
    if (!cupsd_) return;
    cupsd_->terminate();
    if (!cupsd_->waitForFinished(10000)) cupsd_->kill();
    cupsd_->waitForFinished(5000);
}

bool ServidorCups::Configurar(int puerto) {
    servidor_ = QStringLiteral("127.0.0.1:%1").arg(puerto);
    QDir r(raiz_.path());
    for (const char* c : {"spool", "cache", "state", "log", "bin/backend", "impresos"}) r.mkpath(c);
    // Our backend beside the installed filters; only the owner may run it, so that a server
    // started by root runs it as root and it can write the test's folder.
    const QString instalados = CarpetaProgramasCups();
    for (const QString& c : QDir(instalados).entryList(QDir::Dirs | QDir::NoDotAndDotDot))
        if (c != QLatin1String("backend")) QFile::link(QDir(instalados).filePath(c), r.filePath("bin/" + c));
    const QString backend = r.filePath("bin/backend/carpeta");
    if (!Escribir(backend, kBackend) ||
        !QFile::setPermissions(backend, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner)) {
        motivo_ = "cannot write the test backend";
        return false;
    }
    // Anyone on this machine may do anything: the server only listens on the loopback port.
    const QString cupsd = QStringLiteral(
        "Listen %1\nBrowsing No\nWebInterface No\nLogLevel info\nDefaultAuthType None\n"
        "<Location />\n  Order allow,deny\n  Allow all\n</Location>\n"
        "<Policy default>\n  <Limit All>\n    Order deny,allow\n  </Limit>\n</Policy>\n").arg(servidor_);
    QString archivos = QStringLiteral(
        "ServerRoot %1\nServerBin %1/bin\nRequestRoot %1/spool\nTempDir %1/spool\nCacheDir %1/cache\n"
        "StateDir %1/state\nAccessLog %1/log/access_log\nErrorLog %1/log/error_log\nPageLog %1/log/page_log\n"
        "Printcap %1/printcap\nSandboxing Relaxed\n").arg(r.path());
    // Not root: the server runs as this user and group (it cannot switch to lp).
    if (geteuid() != 0) {
        const passwd* usuario = getpwuid(geteuid());
        const group* grupo = getgrgid(getegid());
        if (usuario && grupo)
            archivos += QStringLiteral("User %1\nGroup %2\nSystemGroup %2\n").arg(usuario->pw_name, grupo->gr_name);
    }
    if (!Escribir(r.filePath("cupsd.conf"), cupsd.toUtf8()) ||
        !Escribir(r.filePath("cups-files.conf"), archivos.toUtf8())) {
        motivo_ = "cannot write the server configuration";
        return false;
    }
    return true;
}

bool ServidorCups::Arrancar() {
    QDir r(raiz_.path());
    cupsd_ = std::make_unique<QProcess>();
    cupsd_->setProcessChannelMode(QProcess::MergedChannels);
    cupsd_->start(Programa("cupsd"), {"-f", "-c", r.filePath("cupsd.conf"), "-s", r.filePath("cups-files.conf")});
    if (!cupsd_->waitForStarted(5000)) {
        motivo_ = "cupsd does not start: " + cupsd_->errorString();
        return false;
    }
    const QStringList puerto = servidor_.split(u':');
    QElapsedTimer reloj;
    reloj.start();
    for (bool escucha = false; !escucha;) {
        if (cupsd_->state() != QProcess::Running || reloj.elapsed() > 15000) {
            motivo_ = "cupsd did not come up: " + QString::fromLocal8Bit(cupsd_->readAll()) + Registro();
            return false;
        }
        QTcpSocket prueba;
        prueba.connectToHost(puerto[0], puerto[1].toUShort());
        escucha = prueba.waitForConnected(200);
        if (!escucha) QThread::msleep(100);
    }
    const QString uri = "carpeta:" + r.filePath("impresos");
    if (!Ejecutar("lpadmin", {"-p", kCola, "-E", "-v", uri}) || !Ejecutar("lpadmin", {"-d", kCola})) {
        motivo_ = "lpadmin could not add the queue" + Registro();
        return false;
    }
    return true;
}

bool ServidorCups::Ejecutar(const QString& programa, const QStringList& argumentos) {
    QProcess p;
    p.start(Programa(programa), QStringList{"-h", servidor_} + argumentos);
    return p.waitForFinished(15000) && p.exitStatus() == QProcess::NormalExit && p.exitCode() == 0;
}

bool ServidorCups::Rechazar(bool rechazar) {
    return Ejecutar(rechazar ? "cupsreject" : "cupsaccept", {kCola});
}

int ServidorCups::Trabajos() const {
    cups_job_t* trabajos = nullptr;
    const int n = cupsGetJobs2(CUPS_HTTP_DEFAULT, &trabajos, kCola, 0, CUPS_WHICHJOBS_ALL);
    cupsFreeJobs(n, trabajos);
    return n;
}

QString ServidorCups::Registro() const {
    QFile f(QDir(raiz_.path()).filePath("log/error_log"));
    return f.open(QIODevice::ReadOnly) ? "\n" + QString::fromLocal8Bit(f.readAll().right(2000)) : QString();
}

QStringList ServidorCups::Impresos(int esperados) const {
    const QDir impresos(QDir(raiz_.path()).filePath("impresos"));
    QElapsedTimer reloj;
    reloj.start();
    QStringList archivos = impresos.entryList({"job-*.pdf"}, QDir::Files);
    while (archivos.size() < esperados && reloj.elapsed() < 10000) {
        QThread::msleep(50);
        archivos = impresos.entryList({"job-*.pdf"}, QDir::Files);
    }
    // Job numbers grow; order by number, not by name.
    std::sort(archivos.begin(), archivos.end(), [](const QString& a, const QString& b) {
        return a.mid(4).chopped(4).toInt() < b.mid(4).chopped(4).toInt();
    });
    for (QString& a : archivos) a = impresos.filePath(a);
    return archivos;
}

}  // namespace prueba
