#pragma once

#include <QGroupBox>
#include <QStringList>

class QButtonGroup;
class QRadioButton;
class QVBoxLayout;

namespace shell {

// A titled group of radio buttons built from a list of items, of which at
// most one is chosen (none at the start).
class RadioGroup : public QGroupBox
{
    Q_OBJECT
public:
    explicit RadioGroup(const QString &title, QWidget *parent = nullptr);

    void addItem(const QString &caption);
    void setItems(const QStringList &captions);
    QStringList items() const;
    int count() const;
    QRadioButton *button(int index) const;

    int itemIndex() const; // -1 when none is chosen
    void setItemIndex(int index);

signals:
    // The user chose the item.
    void itemClicked(int index);

private:
    QButtonGroup *m_group;
    QVBoxLayout *m_layout;
};

} // namespace shell
