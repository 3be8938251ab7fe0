#pragma once

#include <QDialog>

// The About box: the program's icon, version, notice, credits, where its
// documentation is and how to report a problem. Run it with exec().
class CAboutDlg : public QDialog {
    Q_OBJECT

public:
    explicit CAboutDlg(QWidget* parent = nullptr);
};
