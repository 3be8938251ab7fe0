#pragma once

#include <QDialog>

// The About box: the program's icon, version, notice, credits, web site and
// where to send feedback. Run it with exec().
class CAboutDlg : public QDialog {
    Q_OBJECT

public:
    explicit CAboutDlg(QWidget* parent = nullptr);
};
