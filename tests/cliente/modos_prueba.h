#pragma once
// A process to which file modes apply, for the cases that need a user who may not write a file.
// Root passes them by through three capabilities; a child of root keeps its user (so it still
// reaches folders only root may enter: a checkout in root's home, a private TMPDIR) but loses
// those capabilities for whatever it executes.
#include <sys/types.h>

#include <QString>
#include <QtGlobal>
#include <functional>

namespace prueba {

// In a child between fork and exec (async-signal-safe). Run as root: drops CAP_DAC_OVERRIDE,
// CAP_DAC_READ_SEARCH and CAP_FOWNER from the effective and permitted sets (for what the child
// does itself) and from the bounding, inheritable and ambient sets, which an exec does not give
// back (dropped only from the effective set, they would come back); without
// CAP_SETPCAP, which that needs, becomes user 65534 instead. Run as another user, does nothing.
// False when it failed.
bool SujetarAModos();

// Whether file modes bind this process: a file of its own made read-only cannot be opened for
// writing.
bool ModosAplican();

// What a child wrote to `tubo` until it closed it, once it has ended; "exit status <n>" first
// when it did not end well.
QString SalidaDelHijo(int tubo, pid_t pid);

// Runs `hacer` in a forked child and answers what it answered (SalidaDelHijo).
QString EnUnHijo(const std::function<QByteArray()>& hacer);

// Runs `hacer` in a forked child to which file modes apply and answers what it answered.
QString SinSaltarPermisos(const std::function<QString()>& hacer);

// Runs `hacer` in a forked child that sees a memory file system of `bytes` bytes (rounded to
// pages) mounted at the folder `punto`, in a mount namespace of its own (and a user namespace
// where it is not root), and answers what it answered. Where that cannot be set up: "!" and why.
QString EnDiscoPequeno(const QString& punto, qint64 bytes, const std::function<QString()>& hacer);

}  // namespace prueba
