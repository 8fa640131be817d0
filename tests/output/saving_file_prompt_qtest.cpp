#include <QLabel>
#include <QtTest>

#include "output/saving_file_prompt.h"

namespace krellix {

class SavingFilePromptTest : public QObject {
  Q_OBJECT

 private slots:
  void keysGiveTheAnswers_data() {
    QTest::addColumn<int>("key");
    QTest::addColumn<int>("modifiers");
    QTest::addColumn<int>("answer");
    QTest::newRow("Enter: Replace") << int(Qt::Key_Return) << 0 << 1;
    QTest::newRow("keypad Enter: Replace") << int(Qt::Key_Enter) << 0 << 1;
    QTest::newRow("Esc: Cancel") << int(Qt::Key_Escape) << 0 << 3;
    QTest::newRow("Alt+R: Replace") << int(Qt::Key_R) << int(Qt::AltModifier) << 1;
    QTest::newRow("Alt+A: Append") << int(Qt::Key_A) << int(Qt::AltModifier) << 2;
    QTest::newRow("Alt+C: Cancel") << int(Qt::Key_C) << int(Qt::AltModifier) << 3;
  }

  void keysGiveTheAnswers() {
    QFETCH(int, key);
    QFETCH(int, modifiers);
    QFETCH(int, answer);
    SavingFilePrompt prompt;
    prompt.SetPath("/home/user/scanlist.txt");
    prompt.open();
    QVERIFY(QTest::qWaitForWindowActive(&prompt));
    QTest::keyClick(QApplication::focusWidget(), Qt::Key(key), Qt::KeyboardModifiers(modifiers));
    // A mnemonic presses its button with Qt's short click animation, so wait for the close.
    QTRY_VERIFY(!prompt.isVisible());
    QCOMPARE(int(prompt.Answer()), answer);
  }

  void showsThePathWithoutCloseBox() {
    SavingFilePrompt prompt;
    prompt.SetPath("/a/long/folder/name.txt");
    QCOMPARE(prompt.windowTitle(), QStringLiteral("Saving file"));
    QVERIFY(!(prompt.windowFlags() & Qt::WindowCloseButtonHint));
    auto* path = prompt.findChild<QLabel*>(QStringLiteral("Path"));
    QVERIFY(path != nullptr);
    QCOMPARE(path->text().remove(QChar(0x200B)), QStringLiteral("/a/long/folder/name.txt"));
    QVERIFY(path->wordWrap());
    QVERIFY(path->alignment() & Qt::AlignRight);
    bool exists = false;
    for (QLabel* label : prompt.findChildren<QLabel*>()) {
      exists = exists || label->text() == QStringLiteral(" File exists ");
    }
    QVERIFY(exists);
  }
};

}  // namespace krellix

QTEST_MAIN(krellix::SavingFilePromptTest)
#include "saving_file_prompt_qtest.moc"
