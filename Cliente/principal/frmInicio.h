#pragma once
// The splash window: the system's title and description in both languages and the version.
// It stays up three seconds, or four when it runs the version check at start.
#include <QWidget>

class QLabel;

namespace oxalde {

class frmInicio : public QWidget {
    Q_OBJECT
public:
    explicit frmInicio(QWidget* parent = nullptr);

    // Shows the window and keeps it up for its time, letting window events run; returns then.
    void Cargar();
    // lblVersion = "Bertsioa/Versión" followed by the program's version.
    void MostrarVersion();

    QLabel* lblVersion() const { return lblVersion_; }
    QLabel* LblAct() const { return lblAct_; }

private:
    QLabel* lblVersion_;
    QLabel* lblAct_;
};

}  // namespace oxalde
