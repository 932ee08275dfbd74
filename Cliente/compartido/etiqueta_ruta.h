#pragma once
// A label showing a file's path in whatever width its window gives it: a path too long is cut at
// its start, behind an ellipsis, so that the file name at its end always shows. The label's text
// and its tooltip keep the whole path.
#include <QLabel>

namespace oxalde {

class EtiquetaRuta : public QLabel {
    Q_OBJECT
public:
    explicit EtiquetaRuta(QWidget* padre = nullptr);

    // The path as drawn at the label's present width.
    QString TextoMostrado() const;

    QSize minimumSizeHint() const override;

protected:
    void paintEvent(QPaintEvent* evento) override;
};

}  // namespace oxalde
