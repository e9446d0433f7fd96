// The Open button: the dialog it asks for, what a choice or a cancel does, and the real dialog.
#include "intake/OpenFileDialog.h"
#include "player/Form1.h"
#include "support/TestServices.h"

#include <QApplication>
#include <QFileDialog>
#include <QLineEdit>
#include <QTimer>
#include <QtTest>

using platform::forms::CommonDialog;

class OpenFile : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void init() {
        m_world = std::make_unique<testing::TestWorld>();
        m_form = std::make_unique<player::Form1>(m_world->services());
        m_open = std::make_unique<intake::OpenFileDialog>(*m_form);
        m_form->OpenFile.Click = [this] { m_open->OpenFile_Click(); };
        m_form->Form_Load();
    }
    void cleanup() {
        m_open.reset();
        m_form.reset();
        m_world.reset();
    }

    void aChosenFileIsLoaded() {
        m_form->dlg.Flags = 0x200;  // whatever was there before is replaced, not combined
        m_world->fileDialogs.answers = {QStringLiteral("/films/été.flv")};
        m_form->OpenFile.performClick();
        QCOMPARE(m_world->fileDialogs.requests.size(), 1);
        const auto& request = m_world->fileDialogs.requests.constFirst();
        QCOMPARE(request.owner, m_form->form.widget());
        QCOMPARE(request.nameFilters, QStringList{QStringLiteral("Fichier vidéo Flash (*.flv)")});
        // The real dialog appends it to a name typed without one.
        QCOMPARE(request.defaultSuffix, QStringLiteral("flv"));
        QCOMPARE(request.fileName, QString());
        QCOMPARE(m_form->dlg.Flags, 0x80000L);
        QCOMPARE(m_form->currentflv, QStringLiteral("/films/été.flv"));
        QCOMPARE(m_form->form.Caption(), QStringLiteral("Quorvel : /films/été.flv"));
        QVERIFY(!m_form->dragpic.Visible());
    }

    void theLastChoiceIsPrefilledAndACancelChangesNothing() {
        m_world->fileDialogs.answers = {QStringLiteral("/films/one.flv"), QString(),
                                        QStringLiteral("/films/two.flv")};
        m_form->OpenFile.performClick();
        platform::forms::ExtenderControl* playing = m_form->ctrl;
        const QString caption = m_form->form.Caption();

        m_form->OpenFile.performClick();  // cancelled
        QCOMPARE(m_world->fileDialogs.requests.at(1).fileName, QStringLiteral("/films/one.flv"));
        QCOMPARE(m_form->ctrl, playing);
        QCOMPARE(m_form->form.Caption(), caption);
        QCOMPARE(m_form->currentflv, QStringLiteral("/films/one.flv"));
        QCOMPARE(m_form->dlg.FileName, QString());

        m_form->OpenFile.performClick();
        QCOMPARE(m_form->currentflv, QStringLiteral("/films/two.flv"));
        QCOMPARE(m_world->fileDialogs.requests.size(), 3);
    }

    void aLoadThatFailsDoesNotEndTheProcess() {
        m_form->form.RemoveControl(player::kPlayerControlName);
        m_form->ctrl = nullptr;
        m_world->fileDialogs.answers = {QStringLiteral("/films/a.flv"), QStringLiteral("/films/b.flv")};
        m_form->OpenFile.performClick();
        QCOMPARE(m_form->currentflv, QStringLiteral("/films/a.flv"));
        m_form->OpenFile.performClick();  // the button still works
        QCOMPARE(m_form->currentflv, QStringLiteral("/films/b.flv"));
    }

    void filterEntries_data() {
        QTest::addColumn<QString>("filter");
        QTest::addColumn<QStringList>("entries");
        QTest::newRow("ours") << QStringLiteral("Fichier vidéo Flash (*.flv)|*.flv")
                              << QStringList{QStringLiteral("Fichier vidéo Flash (*.flv)")};
        QTest::newRow("patterns added")
            << QStringLiteral("Vidéos|*.flv;*.f4v|Tout|*.*")
            << QStringList{QStringLiteral("Vidéos (*.flv *.f4v)"), QStringLiteral("Tout (*.*)")};
        // Qt filters by the parentheses ending an entry, so these must be the real patterns.
        QTest::newRow("other parentheses")
            << QStringLiteral("Film (court)|*.flv") << QStringList{QStringLiteral("Film (court) (*.flv)")};
        QTest::newRow("description without pattern") << QStringLiteral("Seul") << QStringList{};
        QTest::newRow("empty") << QString() << QStringList{};
    }
    void filterEntries() {
        QFETCH(QString, filter);
        QFETCH(QStringList, entries);
        QCOMPARE(CommonDialog::nameFiltersOf(filter), entries);
    }

    void theSystemsDialog() {
        platform::forms::QtFileDialogs real;
        CommonDialog dlg(m_form->form, real);
        dlg.DefaultExt = QStringLiteral("flv");
        dlg.Filter = QStringLiteral("Fichier vidéo Flash (*.flv)|*.flv");
        dlg.Flags = 0x80000;
        dlg.FileName = m_world->tempFolder + QStringLiteral("start.flv");

        QStringList filters;
        QString prefilled;
        answerDialog([&](QFileDialog& dialog) {
            filters = dialog.nameFilters();
            prefilled = dialog.findChild<QLineEdit*>(QStringLiteral("fileNameEdit"))->text();
            dialog.findChild<QLineEdit*>(QStringLiteral("fileNameEdit"))->setText(QStringLiteral("typed"));
            static_cast<QDialog&>(dialog).accept();  // as the Open button does
        });
        dlg.ShowOpen();
        QCOMPARE(filters, QStringList{QStringLiteral("Fichier vidéo Flash (*.flv)")});
        QCOMPARE(prefilled, QStringLiteral("start.flv"));
        // A name typed without extension gets the default one, in the folder the dialog shows.
        QCOMPARE(QFileInfo(dlg.FileName).absoluteFilePath(),
                 QFileInfo(m_world->tempFolder + QStringLiteral("typed.flv")).absoluteFilePath());

        answerDialog([&](QFileDialog& dialog) {
            prefilled = dialog.findChild<QLineEdit*>(QStringLiteral("fileNameEdit"))->text();
            dialog.reject();
        });
        dlg.ShowOpen();
        QCOMPARE(prefilled, QStringLiteral("typed.flv"));
        QCOMPARE(dlg.FileName, QString());
    }

private:
    // Answers the next modal file dialog once it is up.
    void answerDialog(std::function<void(QFileDialog&)> answer) {
        auto* poll = new QTimer(this);
        connect(poll, &QTimer::timeout, this, [poll, answer] {
            auto* dialog = qobject_cast<QFileDialog*>(QApplication::activeModalWidget());
            if (!dialog || !dialog->isVisible()) return;
            poll->deleteLater();
            poll->stop();
            answer(*dialog);
        });
        poll->start(20);
    }

    std::unique_ptr<testing::TestWorld> m_world;
    std::unique_ptr<player::Form1> m_form;
    std::unique_ptr<intake::OpenFileDialog> m_open;
};

QTEST_MAIN(OpenFile)
#include "tst_open_file.moc"
