#include "platform/Files.h"
#include "sound/SoundLists.h"
#include "sound/WaveFile.h"
#include "support/CoreTestSupport.h"

#include <QDir>
#include <QTemporaryDir>
#include <QTest>
#include <QtEndian>

using namespace quillon::sound;
using quillon::platform::writeWholeFile;

Q_DECLARE_METATYPE(quillon::sound::WaveResult)

class SoundTest : public QObject {
    Q_OBJECT
private slots:
    void listedFiles() {
        QTemporaryDir dir{quillon::testing::MemoryTempTemplate()};
        for (const char* name : {"abcd.mel", "abc.mel", "12.mel", "1234.MEL", "0100.mel",
                                 "abcde.mel", "1234.wav", "Zz99.Mel"})
            QVERIFY(writeWholeFile(dir.filePath(name), "x"));
        QVERIFY(QDir(dir.path()).mkdir("dirx.mel"));
        QCOMPARE(ListSoundFiles(dir.path() + "/"),
                 (QStringList{"0100.mel", "1234.MEL", "abcd.mel", "Zz99.Mel"}));
        QVERIFY(ListSoundFiles(dir.path() + "/missing/").isEmpty());
    }

    // The entry a cell selects, and what choosing that entry writes back.
    void soundEntries_data() {
        QTest::addColumn<QString>("cell");
        QTest::addColumn<int>("entry");
        QTest::addColumn<QString>("written");
        QTest::addColumn<bool>("playable");
        QTest::newRow("loader's leading blank") << " 1234" << 2 << "1234" << true;
        QTest::newRow("upper-case extension, blank after") << "0100" << 1 << "0100" << true;
        QTest::newRow("cell in other case") << "abcd" << 3 << "ABCD" << true;
        QTest::newRow("not four characters") << "12" << 0 << "Kein" << false;
    }
    void soundEntries() {
        QFETCH(QString, cell);
        const QStringList entries =
            SoundListEntries("Keine", {"0100.MEL ", "1234.mel", "ABCD.mel"});
        const int entry = SelectSoundEntry(entries, cell);
        QTEST(entry, "entry");
        QTEST(SoundCellText(entries[entry]), "written");
        QTEST(NamesSoundFile(entries[entry]), "playable");
    }

    // A sound that cannot be played leaves the earlier, longer wave file as it was.
    void waveFile_data() {
        QTest::addColumn<int>("length"); // of the sound file; -1: none
        QTest::addColumn<QString>("wave");
        QTest::addColumn<WaveResult>("result");
        QTest::newRow("header only") << 24 << "test.wav" << WaveResult::Written;
        QTest::newRow("falling block sizes") << 24 + 40960 << "test.wav" << WaveResult::Written;
        QTest::newRow("too short") << 23 << "test.wav" << WaveResult::SoundTooShort;
        QTest::newRow("missing") << -1 << "test.wav" << WaveResult::SoundMissing;
        QTest::newRow("wave not writable") << 30 << "no/such/test.wav" << WaveResult::WriteFailed;
    }
    void waveFile() {
        QFETCH(int, length);
        QFETCH(QString, wave);
        QFETCH(WaveResult, result);
        QTemporaryDir dir{quillon::testing::MemoryTempTemplate()};
        QByteArray sound(std::max(length, 0), '\0');
        for (int i = 0; i < length; ++i)
            sound[i] = char(i * 7);
        QVERIFY(length < 0 || writeWholeFile(dir.filePath("1234.mel"), sound));
        QByteArray expected(100000, 'z');
        QVERIFY(writeWholeFile(dir.filePath("test.wav"), expected));
        QCOMPARE(ConvertSoundToWave(dir.filePath("1234.mel"), dir.filePath(wave)), result);
        if (result == WaveResult::Written) {
            // Mono, 16 bits, 22050 samples a second, after the RIFF and data sizes.
            expected =
                "RIFF....WAVEfmt " +
                QByteArray("\x10\0\0\0\x01\0\x01\0\x22\x56\0\0\x44\xac\0\0\x02\0\x10\0", 20) +
                "data...." + sound.mid(24);
            qToLittleEndian<qint32>(36 + length - 24, expected.data() + 4);
            qToLittleEndian<qint32>(length - 24, expected.data() + 40);
        }
        QCOMPARE(quillon::testing::Bytes(dir.filePath("test.wav")), expected);
    }
};

QTEST_GUILESS_MAIN(SoundTest)
#include "test_sound.moc"
