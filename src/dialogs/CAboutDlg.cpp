#include "CAboutDlg.h"

#include "platform/AppInfo.h"

#include <QApplication>
#include <QDir>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QStyle>
#include <QVBoxLayout>

namespace {

// The README goes with the programs, in the doc folder beside their bin folder.
QString DocumentationLine()
{
    const QString installed
        = QDir::cleanPath(QCoreApplication::applicationDirPath() + QStringLiteral("/../share/doc/quillmark"));
    if (QFileInfo::exists(installed + QStringLiteral("/README.md")))
        return CAboutDlg::tr("Help: the Help menu, and README.md in %1")
            .arg(QDir::toNativeSeparators(installed));
    return CAboutDlg::tr("Help: the Help menu, and README.md among Quillmark's sources");
}

} // namespace

CAboutDlg::CAboutDlg(QWidget* parent)
    : QDialog(parent)
{
    setWindowTitle(tr("About Quillmark2"));

    auto* icon = new QLabel(this);
    icon->setObjectName(QStringLiteral("icon"));
    // The main window carries the program's icon; a box shown without one takes the application's.
    QIcon appIcon = parent ? parent->window()->windowIcon() : qApp->windowIcon();
    if (appIcon.isNull())
        appIcon = style()->standardIcon(QStyle::SP_FileIcon);
    icon->setPixmap(appIcon.pixmap(32, 32));
    icon->setAlignment(Qt::AlignTop);

    const QStringList lines = {
        tr("Quillmark, Version %1").arg(AppInfo::versionText),
        tr("Copyright (C) 2026 the Quillmark developers. All rights reserved."),
        tr("The table grid was written for Quillmark by its developers."),
        DocumentationLine(),
        tr("To report a problem, tell whoever gave you Quillmark what you did, what you "
           "expected and what happened instead, with the version above."),
    };
    auto* text = new QVBoxLayout;
    for (const QString& line : lines) {
        auto* label = new QLabel(line, this);
        label->setTextInteractionFlags(Qt::TextSelectableByMouse);
        text->addWidget(label);
    }
    text->addStretch();

    auto* ok = new QPushButton(tr("OK"), this);
    ok->setObjectName(QStringLiteral("okButton"));
    ok->setDefault(true);
    connect(ok, &QPushButton::clicked, this, &CAboutDlg::accept);

    auto* top = new QHBoxLayout;
    top->addWidget(icon);
    top->addSpacing(12);
    top->addLayout(text, 1);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(ok);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(top);
    layout->addLayout(buttons);
}
