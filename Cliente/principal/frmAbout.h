#pragma once
// The about window: the product's title, version and description in the current language.
#include <QDialog>

class QLabel;
class QPushButton;

namespace oxalde {

class frmAbout : public QDialog {
    Q_OBJECT
public:
    explicit frmAbout(QWidget* parent = nullptr);

    QLabel* lblTitle() const { return lblTitle_; }
    QLabel* lblVersion() const { return lblVersion_; }
    QLabel* lblDescription() const { return lblDescription_; }
    QPushButton* cmdOK() const { return cmdOK_; }

private:
    QLabel* lblTitle_;
    QLabel* lblVersion_;
    QLabel* lblDescription_;
    QPushButton* cmdOK_;
};

}  // namespace oxalde
