#include "platform/Files.h"
#include "sound/SoundLists.h"
#include "sound/WaveFile.h"
#include "support/CoreTestSupport.h"

#include <QDir>
#include <QTemporaryDir>
#include <QTest>
#include <QtEndian>

using namespace quillon::sound;

namespace {

void WriteFile(const QString& path, const QByteArray& bytes) {
    QVERIFY(quillon::platform::writeWholeFile(path, bytes));
}

quint32 UInt32At(const QByteArray& bytes, int at) {
    return qFromLittleEndian<quint32>(bytes.constData() + at);
}

} // namespace

class SoundTest : public QObject {
    Q_OBJECT
private slots:
    void listedFiles() {
        QTemporaryDir dir;
        for (const char* name : {"abcd.mel", "abc.mel", "12.mel", "1234.MEL", "0100.mel",
                                 "abcde.mel", "1234.wav", "Zz99.Mel"})
            WriteFile(dir.filePath(name), "x");
        QVERIFY(QDir(dir.path()).mkdir("dirx.mel"));
        QCOMPARE(ListSoundFiles(dir.path() + "/"),
                 (QStringList{"0100.mel", "1234.MEL", "abcd.mel", "Zz99.Mel"}));
        QVERIFY(ListSoundFiles(dir.path() + "/missing/").isEmpty());
    }

    void selectEntry_data() {
        QTest::addColumn<QString>("cell");
        QTest::addColumn<int>("entry");
        QTest::newRow("loader's leading blank") << " 1234" << 2;
        QTest::newRow("upper-case extension in the folder") << "0100" << 1;
        QTest::newRow("cell in other case") << "abcd" << 3;
        QTest::newRow("not four characters") << "12" << 0;
    }
    void selectEntry() {
        QFETCH(QString, cell);
        QFETCH(int, entry);
        const QStringList entries = SoundListEntries("None", {"0100.MEL", "1234.mel", "ABCD.mel"});
        QCOMPARE(SelectSoundEntry(entries, cell), entry);
    }

    void cellText_data() {
        QTest::addColumn<QString>("listText");
        QTest::addColumn<QString>("cell");
        QTest::addColumn<bool>("playable");
        QTest::newRow("upper-case extension") << "1234.MEL "
                                              << "1234" << true;
        QTest::newRow("English none") << "None"
                                      << "None" << false;
    }
    void cellText() {
        QFETCH(QString, listText);
        QFETCH(QString, cell);
        QFETCH(bool, playable);
        QCOMPARE(SoundCellText(listText), cell);
        QCOMPARE(NamesSoundFile(listText), playable);
    }

    void waveFile_data() {
        QTest::addColumn<int>("length");
        QTest::addColumn<quint32>("riffSize");
        QTest::addColumn<quint32>("dataSize");
        QTest::newRow("header only") << 24 << 36u << 0u;
        QTest::newRow("falling block sizes") << 24 + 40960 << 36u + 40960u << 40960u;
    }
    void waveFile() {
        QFETCH(int, length);
        QFETCH(quint32, riffSize);
        QFETCH(quint32, dataSize);
        QTemporaryDir dir;
        QByteArray sound(length, '\0');
        for (int i = 0; i < length; ++i)
            sound[i] = char(i * 7);
        WriteFile(dir.filePath("1234.mel"), sound);
        WriteFile(dir.filePath("test.wav"), QByteArray(100000, 'z')); // an earlier, longer play
        QCOMPARE(ConvertSoundToWave(dir.filePath("1234.mel"), dir.filePath("test.wav")),
                 WaveResult::Written);
        const QByteArray wave = quillon::testing::Bytes(dir.filePath("test.wav"));
        QCOMPARE(wave.size(), 44 + length - 24);
        QCOMPARE(wave.left(4), QByteArray("RIFF"));
        QCOMPARE(UInt32At(wave, 4), riffSize);
        QCOMPARE(wave.mid(8, 8), QByteArray("WAVEfmt "));
        QCOMPARE(wave.mid(16, 20),
                 QByteArray("\x10\0\0\0\x01\0\x01\0\x22\x56\0\0\x44\xac\0\0\x02\0\x10\0", 20));
        QCOMPARE(wave.mid(36, 4), QByteArray("data"));
        QCOMPARE(UInt32At(wave, 40), dataSize);
        QCOMPARE(wave.mid(44), sound.mid(24));
    }

    void unplayableSounds() {
        QTemporaryDir dir;
        const QString wave = dir.filePath("test.wav");
        WriteFile(wave, "earlier");
        WriteFile(dir.filePath("short.mel"), QByteArray(23, 'x'));
        QCOMPARE(ConvertSoundToWave(dir.filePath("short.mel"), wave), WaveResult::SoundTooShort);
        QCOMPARE(ConvertSoundToWave(dir.filePath("none.mel"), wave), WaveResult::SoundMissing);
        QCOMPARE(quillon::testing::Bytes(wave), QByteArray("earlier"));
        WriteFile(dir.filePath("ok.mel"), QByteArray(30, 'x'));
        QCOMPARE(ConvertSoundToWave(dir.filePath("ok.mel"), dir.filePath("no/such/test.wav")),
                 WaveResult::WriteFailed);
    }
};

QTEST_GUILESS_MAIN(SoundTest)
#include "test_sound.moc"
