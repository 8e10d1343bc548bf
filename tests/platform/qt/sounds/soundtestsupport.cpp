#include "soundtestsupport.h"

#include "platform/qt/sounds/clipresources.h"

#include <QCoreApplication>
#include <QFile>

#include <gtest/gtest.h>

namespace melvane::testing {
namespace {

// Qt Multimedia wants an application object. The tests also pin the sound server to an
// address where none listens, so that every machine looks like a build server without a
// sound card: the results do not depend on the machine, and nothing sounds from a
// developer's speakers. The round trip through a real server starts its own.
class QtEnvironment : public ::testing::Environment {
public:
    void SetUp() override
    {
        qputenv("PULSE_SERVER", "unix:/nonexistent/melvane-tests-have-no-sound-server");
        static int argc = 1;
        static char name[] = "sound_tests";
        static char *argv[] = {name, nullptr};
        application_ = new QCoreApplication(argc, argv);
    }

    void TearDown() override
    {
        delete application_;
        application_ = nullptr;
    }

private:
    QCoreApplication *application_ = nullptr;
};

[[maybe_unused]] const auto *const environment = ::testing::AddGlobalTestEnvironment(new QtEnvironment);

} // namespace

QByteArray embeddedClip(int clipNumber)
{
    QFile file(clipResourcePath(clipNumber));
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return file.readAll();
}

std::vector<double> decodeSamples(const QByteArray &file, int bitsPerSample)
{
    std::vector<double> samples;
    const auto *bytes = reinterpret_cast<const unsigned char *>(file.constData());
    if (bitsPerSample == 8) {
        for (qsizetype i = 44; i < file.size(); ++i)
            samples.push_back((static_cast<double>(bytes[i]) - 128.0) / 128.0);
    } else {
        for (qsizetype i = 44; i + 1 < file.size(); i += 2) {
            const auto value = static_cast<std::int16_t>(static_cast<std::uint16_t>(bytes[i] | (bytes[i + 1] << 8)));
            samples.push_back(static_cast<double>(value) / 32768.0);
        }
    }
    return samples;
}

} // namespace melvane::testing
