#include "platform/Profile.h"

#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

TEST(Profile, TakesItsDefaultWhereTextStandsForANumberButKeepsAnEmptyText)
{
    QTemporaryDir folder;
    ASSERT_TRUE(folder.isValid());
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, folder.path());
    Profile profile(QStringLiteral("Quillmark"), QStringLiteral("Quillmark"));
    profile.WriteProfileString("Configuration", "fontSize", "large");
    EXPECT_EQ(profile.GetProfileInt("Configuration", "fontSize", 12), 12);
    profile.WriteProfileString("Configuration", "languageID", QString());
    EXPECT_EQ(profile.GetProfileString("Configuration", "languageID", "en"), QString());
}

} // namespace
