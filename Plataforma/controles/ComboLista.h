#pragma once
// Our editable list box: the user types into its edit field and picks from its list. Typing
// with the list open keeps the keys in the edit field and narrows the list to the entries that
// begin with what is typed, compared literally and ignoring case. Click is raised whenever an
// entry becomes the selected one, by the user or by code; adding entries selects none.
#include <QComboBox>
#include <QVariant>

namespace oxalde {

class ComboLista : public QComboBox {
    Q_OBJECT
public:
    explicit ComboLista(QWidget* parent = nullptr);

    // The selected entry, -1 for none; setting it also shows the entry's text.
    int ListIndex() const { return currentIndex(); }
    void ListIndex(int indice);
    QString Text() const { return currentText(); }
    void Text(const QString& texto) { setEditText(texto); }
    QString List(int indice) const { return itemText(indice); }
    QVariant ItemData(int indice) const { return itemData(indice); }
    void ItemData(int indice, const QVariant& dato) { setItemData(indice, dato); }

    bool Locked() const;
    void Locked(bool bloqueado);
    QColor BackColor() const;
    void BackColor(const QColor& color);
    bool TabStop() const { return focusPolicy() & Qt::TabFocus; }
    void TabStop(bool activo) { setFocusPolicy(activo ? Qt::StrongFocus : Qt::ClickFocus); }

    // Opens the list under the edit field without taking the keys from it.
    void Desplegar();

signals:
    void Click();

private:
    bool llenando_ = false;
};

}  // namespace oxalde
