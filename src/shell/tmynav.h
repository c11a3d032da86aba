#pragma once

#include "platform/dataset.h"

#include <QColor>
#include <QPointer>
#include <QVector>
#include <QWidget>

class QToolButton;

namespace shell {

// A record navigator bound to a dataset: first, prior, next, last, insert,
// delete, edit, post, cancel and refresh, each enabled when it can act. Its
// background colour can be set (or taken from the parent).
class TMyNav : public QWidget
{
    Q_OBJECT
public:
    enum Button { First, Prior, Next, Last, Insert, Delete, Edit, Post, Cancel, Refresh };
    static constexpr int ButtonCount = 10;

    explicit TMyNav(QWidget *parent = nullptr);

    void setDataSet(platform::DataSet *dataSet);
    platform::DataSet *dataSet() const { return m_dataSet; }

    void setVisibleButtons(const QVector<Button> &buttons);
    // Hints in button order; a shorter list keeps the remaining hints.
    void setHints(const QStringList &hints);
    // Delete asks "Datensatz löschen?" first (on by default).
    void setConfirmDelete(bool on) { m_confirmDelete = on; }

    void setColor(const QColor &color);
    QColor color() const;
    void setParentColor(bool on);
    bool parentColor() const { return m_parentColor; }

    QToolButton *button(Button which) const { return m_buttons.at(which); }
    // Acts as a click on the button.
    void btnClick(Button which);

signals:
    // After a button's action on the dataset (also when the deletion was
    // not confirmed), so that the window can follow it up.
    void clicked(shell::TMyNav::Button which);

private:
    void updateButtons();

    QPointer<platform::DataSet> m_dataSet;
    QVector<QToolButton *> m_buttons;
    QVector<QMetaObject::Connection> m_connections;
    bool m_confirmDelete = true;
    bool m_parentColor = true;
};

} // namespace shell
