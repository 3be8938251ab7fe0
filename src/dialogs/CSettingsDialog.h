#pragma once

#include <QDialog>
#include <QString>

class QComboBox;

// The Settings dialog: the keyword language and the font size of the editor.
//
// The caller gives the current settings, runs the dialog with exec() and, only
// when that returns QDialog::Accepted, reads fontSize() and languageID(). The
// dialog itself changes nothing else. Applying the choice is the caller's part:
// store both values in the application's m_fontSize and m_languageID, select
// the language through SelectLanguageSetting, show the view's text at the new
// size, and re-colour the analysed lines without analysing them again.
//
// A list with no selected item keeps its setting as it was given: this is the
// case when the given value is not one of those offered (a stored font size of
// 13, say) or when the user typed over the list's edit field, whose text is not
// read.
class CSettingsDialog : public QDialog {
    Q_OBJECT

public:
    // The sizes offered, in points, in the order the list shows them.
    static constexpr int fontSizes[] = { 10, 11, 12, 14, 16, 20, 24 };

    CSettingsDialog(int fontSize, const QString& languageID, QWidget* parent = nullptr);

    int fontSize() const { return m_fontSize; }
    QString languageID() const { return m_languageID; }

    void accept() override;

private:
    void FillFontSizes();
    void FillLanguages();

    QComboBox* m_languageList = nullptr;
    QComboBox* m_fontSizeList = nullptr;
    int m_fontSize = 10;
    QString m_languageID;
};
