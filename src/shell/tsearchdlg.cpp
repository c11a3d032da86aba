#include "shell/tsearchdlg.h"

#include "shell/buttonlook.h"
#include "shell/reportedcall.h"
#include "shell/tfrmmain.h"
#include "shell/twheeldbgrid.h"

#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

namespace shell {

namespace {

bool isEnter(const QKeyEvent *event)
{
    return event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter;
}

} // namespace

TSearchDlg::TSearchDlg(QWidget *parent)
    : QDialog(parent, Qt::Dialog | Qt::WindowTitleHint | Qt::WindowCloseButtonHint)
{
    setObjectName(QStringLiteral("SearchDlg"));
    // Without a caption of its own the window system would show the file
    // name of the program: the caption of the window it searches instead.
    const QString caption = parent ? parent->window()->windowTitle() : QString();
    setWindowTitle(caption.isEmpty() ? TfrmMain::applicationTitle() : caption);

    auto *layout = new QVBoxLayout(this);
    auto *choice = new QHBoxLayout;
    RadioButton1 = new QRadioButton(QStringLiteral("nach Beleg-Nr."), this);
    RadioButton1->setObjectName(QStringLiteral("RadioButton1"));
    RadioButton1->setChecked(true);
    RadioButton2 = new QRadioButton(QStringLiteral("nach Name"), this);
    RadioButton2->setObjectName(QStringLiteral("RadioButton2"));
    choice->addWidget(RadioButton1);
    choice->addWidget(RadioButton2);
    choice->addStretch();
    layout->addLayout(choice);

    Edit1 = new QLineEdit(this);
    Edit1->setObjectName(QStringLiteral("Edit1"));
    QFont courier(QStringLiteral("Courier New"));
    courier.setStyleHint(QFont::Monospace);
    Edit1->setFont(courier);
    layout->addWidget(Edit1);

    DBGrid1 = new TWheelDBGrid(this);
    DBGrid1->setObjectName(QStringLiteral("DBGrid1"));
    layout->addWidget(DBGrid1, 1);

    auto *buttons = new QHBoxLayout;
    buttons->addStretch();
    OKBtn = new QPushButton(QStringLiteral("OK"), this);
    OKBtn->setObjectName(QStringLiteral("OKBtn"));
    CancelBtn = new QPushButton(QStringLiteral("Abbruch"), this);
    CancelBtn->setObjectName(QStringLiteral("CancelBtn"));
    for (QPushButton *button : { OKBtn, CancelBtn }) {
        button->setAutoDefault(false);
        buttons->addWidget(button);
    }
    layout->addLayout(buttons);

    connect(OKBtn, &QPushButton::clicked, this, &QDialog::accept);
    connect(CancelBtn, &QPushButton::clicked, this, &QDialog::reject);
    // Choosing the kind of search does not search again; the focus goes back to the text.
    connect(RadioButton1, &QRadioButton::clicked, this, [this] { Edit1->setFocus(); });
    connect(RadioButton2, &QRadioButton::clicked, this, [this] { Edit1->setFocus(); });
    connect(Edit1, &QLineEdit::textChanged, this, reported(this, &TSearchDlg::edit1Changed));
    connect(DBGrid1, &QAbstractItemView::doubleClicked, this, &QDialog::accept);
    Edit1->installEventFilter(this);
    DBGrid1->installEventFilter(this);

    applyRaisedButtonLook(this);
    resize(480, 360);
}

void TSearchDlg::setDataSet(platform::DataSet *dataSet, const QVector<platform::DataSetColumn> &columns)
{
    delete m_model;
    m_model = new platform::DataSetModel(dataSet, columns, this);
    DBGrid1->setModel(m_model);
}

void TSearchDlg::setSearchRoutine(SearchRoutine routine)
{
    m_routine = std::move(routine);
}

bool TSearchDlg::byNumber() const
{
    return RadioButton1->isChecked();
}

QString TSearchDlg::searchText() const
{
    return Edit1->text();
}

void TSearchDlg::edit1Changed()
{
    if (m_routine)
        runReported(this, [this] { m_routine(*this); });
}

bool TSearchDlg::eventFilter(QObject *watched, QEvent *event)
{
    return platform::filterReported(this, [&]() -> bool {
        if (watched == Edit1 && event->type() == QEvent::KeyPress) {
            auto *key = static_cast<QKeyEvent *>(event);
            if (isEnter(key)) {
                accept();
                return true;
            }
        }
        if (watched == DBGrid1 && (event->type() == QEvent::KeyPress || event->type() == QEvent::KeyRelease)) {
            auto *key = static_cast<QKeyEvent *>(event);
            // The grid answers Enter when the key comes up, so that the key that
            // opened the dialog elsewhere is not taken for a choice.
            if (isEnter(key)) {
                if (event->type() == QEvent::KeyRelease && !key->isAutoRepeat())
                    accept();
                return true;
            }
        }
        return QDialog::eventFilter(watched, event);
    });
}

void TSearchDlg::showEvent(QShowEvent *event)
{
    platform::runReported(this, [&] {
        QDialog::showEvent(event);
        Edit1->setFocus();
    });
}

} // namespace shell
