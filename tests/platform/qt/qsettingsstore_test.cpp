#include "platform/qt/qsettingsstore.h"

#include <gtest/gtest.h>

#include <QFile>
#include <QSettings>
#include <QTemporaryDir>

#include <optional>
#include <string>
#include <vector>

namespace melvane {
namespace {

std::string readFile(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return "<unreadable>";
    return file.readAll().toStdString();
}

void writeFile(const QString &path, const std::string &text)
{
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    file.write(text.data(), static_cast<qint64>(text.size()));
}

class QSettingsStoreTest : public ::testing::Test {
protected:
    QTemporaryDir dir;
    std::string base() const { return dir.path().toStdString(); }
    QString fileOf(const char *application) const { return dir.path() + "/Melvane/" + application + ".conf"; }
    void SetUp() override { ASSERT_TRUE(dir.isValid()); }
};

TEST_F(QSettingsStoreTest, AProfileWrittenByOneRunIsReadByTheNextFromTheNativeFile)
{
    const std::vector<std::pair<std::string, std::string>> profile = {
        {"howmanyspins", "3"}, {"soundonoff", "-1"}, {"machinepay", "2"}, {"winroll", "0"},
        {"reelspeed", "10"}, {"amountinvested", "5000"}, {"wager", "1200"}, {"total", "900"},
        {"bank", "-250"}, {"games", "48"}, {"currentplayer", "Zoë Ångström"},
    };
    {
        QSettingsStore store(base());
        for (const auto &[key, value] : profile)
            store.setValue("keys", "player2", key, value);
    }

    const QSettingsStore next(base());
    for (const auto &[key, value] : profile)
        EXPECT_EQ(next.value("keys", "player2", key), value) << key;
    EXPECT_EQ(next.value("keys", "player1", "bank"), std::nullopt);
    const std::string file = readFile(fileOf("keys"));
    EXPECT_NE(file.find("[player2]"), std::string::npos) << file;
    EXPECT_NE(file.find("bank=-250"), std::string::npos) << file;
}

TEST_F(QSettingsStoreTest, WhatWasWrittenIsOnDiskAsSoonAsItIsFlushed)
{
    QSettingsStore store(base());

    store.setValue("keys", "player1", "bank", "250");
    store.flush();

    EXPECT_NE(readFile(fileOf("keys")).find("bank=250"), std::string::npos) << "written before the store goes away";
    EXPECT_EQ(QSettings(fileOf("keys"), QSettings::IniFormat).value("player1/bank").toString(), "250");
}

TEST_F(QSettingsStoreTest, ApplicationsAreSeparateFilesAndSectionsSeparateGroups)
{
    QSettingsStore store(base());
    store.setValue("key", "notice", "autoplay", "-1");
    store.setValue("keys", "player1", "bank", "1");
    store.setValue("keys", "player2", "bank", "2");

    EXPECT_EQ(store.value("keys", "notice", "autoplay"), std::nullopt);
    EXPECT_EQ(store.value("key", "notice", "autoplay"), "-1");
    EXPECT_EQ(store.value("keys", "player1", "bank"), "1");
    EXPECT_EQ(store.value("keys", "player2", "bank"), "2");
    store.flush();
    EXPECT_NE(readFile(fileOf("key")).find("[notice]"), std::string::npos);
    EXPECT_EQ(readFile(fileOf("keys")).find("notice"), std::string::npos);
}

TEST_F(QSettingsStoreTest, EveryTextComesBackExactlyAsWritten)
{
    const std::vector<std::string> texts = {
        "", " 7", "7 ", "1.5", "abc", "99999999999", "+12", "Smith, John", "a=b", "[player2]", "semi;colon",
        "#hash", "\"quoted\"", "back\\slash", "tab\there", "line\nbreak", "Zoë", "ИВАН", std::string(500, 'x'),
        "@Invalid()",
    };
    {
        QSettingsStore store(base());
        for (std::size_t i = 0; i < texts.size(); ++i)
            store.setValue("keys", "player3", "k" + std::to_string(i), texts[i]);
    }
    const QSettingsStore next(base());
    for (std::size_t i = 0; i < texts.size(); ++i)
        EXPECT_EQ(next.value("keys", "player3", "k" + std::to_string(i)), texts[i]) << "[" << texts[i] << "]";
}

TEST_F(QSettingsStoreTest, AHandEditedFileReadsAsTheTextsAPersonMeant)
{
    ASSERT_TRUE(QDir().mkpath(dir.path() + "/Melvane"));
    writeFile(fileOf("keys"), "[player1]\n"
                              "bank=abc\n"
                              "games=99999999999\n"
                              "wager=\n"
                              "total = 12 \n"
                              "currentplayer=Smith, John\n");
    const QSettingsStore store(base());

    EXPECT_EQ(store.value("keys", "player1", "bank"), "abc");
    EXPECT_EQ(store.value("keys", "player1", "games"), "99999999999") << "no silent narrowing to a number";
    EXPECT_EQ(store.value("keys", "player1", "wager"), "");
    EXPECT_EQ(store.value("keys", "player1", "total"), "12");
    EXPECT_EQ(store.value("keys", "player1", "currentplayer"), "Smith, John");
    EXPECT_EQ(store.value("keys", "player1", "howmanyspins"), std::nullopt);
}

TEST_F(QSettingsStoreTest, ThePerUserStoreUsesTheOrganizationsFolderAndNoFallbacks)
{
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, dir.path());
    ASSERT_TRUE(QDir().mkpath(dir.path() + "/Melvane"));
    // An organization-wide file that QSettings would fall back on.
    writeFile(dir.path() + "/Melvane.conf", "[player1]\nbank=999\n");
    {
        QSettingsStore store;
        store.setValue("keys", "player1", "games", "4");
        EXPECT_EQ(store.value("keys", "player1", "bank"), std::nullopt);
    }
    EXPECT_NE(readFile(fileOf("keys")).find("games=4"), std::string::npos);
}

} // namespace
} // namespace melvane
