#pragma once
// A case run in a child process of the tests to which file modes apply: a user who is not root,
// or root without the capabilities that let it ignore them (dropped from the child's effective,
// permitted and inheritable sets, so that access() answers as open() does).
#include <linux/capability.h>
#include <sys/syscall.h>
#include <sys/wait.h>
#include <unistd.h>

#include <QByteArray>
#include <QString>
#include <functional>

namespace prueba {

// What the child wrote to `tubo` until it closed it, once it has ended; "exit status <n>" when it
// did not end well.
inline QString SalidaDelHijo(int tubo, pid_t pid) {
    QByteArray salida;
    char trozo[4096];
    for (ssize_t n; (n = read(tubo, trozo, sizeof trozo)) > 0;) salida.append(trozo, n);
    close(tubo);
    int estado = 0;
    waitpid(pid, &estado, 0);
    if (!WIFEXITED(estado) || WEXITSTATUS(estado) != 0) return "exit status " + QString::number(estado);
    return QString::fromUtf8(salida);
}

// Runs `hacer` in such a child and answers what it answered.
inline QString SinSaltarPermisos(const std::function<QString()>& hacer) {
    int tubo[2];
    if (pipe(tubo) != 0) return "pipe";
    const pid_t pid = fork();
    if (pid < 0) return "fork";
    if (pid == 0) {
        close(tubo[0]);
        __user_cap_header_struct cabecera{_LINUX_CAPABILITY_VERSION_3, 0};
        __user_cap_data_struct datos[2]{};
        if (syscall(SYS_capget, &cabecera, datos) != 0) _exit(3);
        for (const int cap : {CAP_DAC_OVERRIDE, CAP_DAC_READ_SEARCH, CAP_FOWNER}) {
            const auto bit = ~(1u << cap);
            datos[0].effective &= bit, datos[0].permitted &= bit, datos[0].inheritable &= bit;
        }
        if (syscall(SYS_capset, &cabecera, datos) != 0) _exit(4);
        const QByteArray salida = hacer().toUtf8();
        if (write(tubo[1], salida.constData(), static_cast<size_t>(salida.size())) != salida.size()) _exit(5);
        _exit(0);
    }
    close(tubo[1]);
    return SalidaDelHijo(tubo[0], pid);
}

}  // namespace prueba
