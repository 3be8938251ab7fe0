#pragma once

#include "document/CQuillmark2Doc.h"
#include "editor/ViewTestSupport.h"
#include "support/FileBytes.h"

#include <QTemporaryDir>

// A document over the view, and a folder of the test's own for its files.
class Document : public ViewTest {
protected:
    // Writes `bytes` to the file `name` in the test's folder and gives its path.
    QString Write(const QString& name, const QByteArray& bytes)
    {
        EXPECT_TRUE(WriteBytes(folder.filePath(name), bytes));
        return folder.filePath(name);
    }

    QTemporaryDir folder;
    CQuillmark2Doc document { view };
};
