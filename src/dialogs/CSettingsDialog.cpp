#include "CSettingsDialog.h"

#include "core/language/KeywordDictionary.h"
#include "platform/StringConvert.h"

#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>

#include <algorithm>
#include <vector>

namespace {

QComboBox* NewList(const QString& objectName, QWidget* parent)
{
    // A drop-down with an edit field, like the lists of the classic settings dialog;
    // what is typed there never becomes an item.
    auto* list = new QComboBox(parent);
    list->setObjectName(objectName);
    list->setEditable(true);
    list->setInsertPolicy(QComboBox::NoInsert);
    list->setMaxVisibleItems(20);
    return list;
}

// The item the user has chosen: the current item, as long as the edit field still
// shows its text. Typing over the field leaves no item chosen.
int ChosenItem(const QComboBox& list)
{
    const int index = list.currentIndex();
    if (index < 0 || list.currentText() != list.itemText(index))
        return -1;
    return index;
}

} // namespace

CSettingsDialog::CSettingsDialog(int fontSize, const QString& languageID, QWidget* parent)
    : QDialog(parent)
    , m_fontSize(fontSize)
    , m_languageID(languageID)
{
    setWindowTitle(tr("Settings"));

    m_languageList = NewList(QStringLiteral("languageList"), this);
    m_fontSizeList = NewList(QStringLiteral("fontSizeList"), this);
    m_languageList->setMinimumWidth(260);

    auto* ok = new QPushButton(tr("OK"), this);
    ok->setObjectName(QStringLiteral("okButton"));
    ok->setDefault(true);
    auto* cancel = new QPushButton(tr("Cancel"), this);
    cancel->setObjectName(QStringLiteral("cancelButton"));
    connect(ok, &QPushButton::clicked, this, &CSettingsDialog::accept);
    connect(cancel, &QPushButton::clicked, this, &CSettingsDialog::reject);

    auto* grid = new QGridLayout(this);
    grid->addWidget(new QLabel(tr("Language"), this), 0, 0);
    grid->addWidget(m_languageList, 0, 1);
    grid->addWidget(new QLabel(tr("Font Size"), this), 1, 0);
    grid->addWidget(m_fontSizeList, 1, 1, Qt::AlignLeft);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(ok);
    buttons->addWidget(cancel);
    grid->addLayout(buttons, 2, 0, 1, 2);
    grid->setColumnStretch(1, 1);

    FillFontSizes();
    FillLanguages();
}

void CSettingsDialog::FillFontSizes()
{
    for (const int size : fontSizes)
        m_fontSizeList->addItem(QString::number(size), size);
    // An editable list selects its first item by itself; only the given size may be selected.
    m_fontSizeList->setCurrentIndex(m_fontSizeList->findData(m_fontSize));
}

void CSettingsDialog::FillLanguages()
{
    struct Item {
        QString text; // "English (en)"
        QString code;
    };
    std::vector<Item> items;
    items.reserve(languageList.size());
    for (const LanguageListEntry& entry : languageList)
        items.push_back({ toQString(entry.englishName + u" (" + entry.code + u")"), toQString(entry.code) });
    // The list is sorted by what the user reads, as a sorted list box orders it:
    // alphabetically, without regard to case.
    std::stable_sort(items.begin(), items.end(),
        [](const Item& a, const Item& b) { return a.text.compare(b.text, Qt::CaseInsensitive) < 0; });
    for (const Item& item : items)
        m_languageList->addItem(item.text, item.code);
    m_languageList->setCurrentIndex(m_languageList->findData(m_languageID));
}

void CSettingsDialog::accept()
{
    if (const int language = ChosenItem(*m_languageList); language >= 0)
        m_languageID = m_languageList->itemData(language).toString();
    if (const int size = ChosenItem(*m_fontSizeList); size >= 0)
        m_fontSize = m_fontSizeList->itemData(size).toInt();
    QDialog::accept();
}
