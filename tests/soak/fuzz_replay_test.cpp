// Replays the kept inputs of the window fuzzer (every input that ever broke something, and a few
// that reach far into the game) through the same harness, so ctest guards against their return.
#include <gtest/gtest.h>

#include <QApplication>
#include <QDir>
#include <QFile>

#include <cstdint>
#include <cstdio>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size);

namespace {

TEST(WindowFuzzInputs, EveryKeptInputKeepsTheWindowSound)
{
    const QDir kept(QStringLiteral(RUTSCHBILD_SOURCE_DIR "/tests/fuzz/window_inputs"));
    const QStringList names = kept.entryList(QDir::Files, QDir::Name);
    ASSERT_FALSE(names.isEmpty()) << qPrintable(kept.path());
    for (const QString& name : names) {
        QFile file(kept.filePath(name));
        ASSERT_TRUE(file.open(QIODevice::ReadOnly)) << qPrintable(name);
        const QByteArray data = file.readAll();
        SCOPED_TRACE(qPrintable(name));
        // A broken invariant aborts the run, naming it.
        LLVMFuzzerTestOneInput(reinterpret_cast<const std::uint8_t*>(data.constData()),
                               static_cast<std::size_t>(data.size()));
    }
}

} // namespace

int main(int argc, char* argv[])
{
    // No screen needed, test discovery included.
    if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    const int result = RUN_ALL_TESTS();
    // The harness keeps its window in a static that would outlive the application object.
    std::fflush(nullptr);
    std::_Exit(result);
}
