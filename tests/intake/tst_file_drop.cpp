// Files dragged onto the real main window: which drags it takes, what a drop loads, and the
// window procedure in front of the window for as long as the window runs.
#include "intake/Module1.h"
#include "player/Form1.h"
#include "runtime/component/PlayerControl.h"
#include "support/TestServices.h"

#include <QMimeData>
#include <QtTest>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

QByteArray uriList(const QStringList& paths) {
    QByteArray list;
    for (const QString& path : paths)
        list += "file://" + QFile::encodeName(path).toPercentEncoding("/") + "\r\n";
    return list;
}

std::unique_ptr<QMimeData> dragOf(const QByteArray& list) {
    auto data = std::make_unique<QMimeData>();
    data->setData(QStringLiteral("text/uri-list"), list);
    return data;
}

bool dragEnter(QWidget* window, const QMimeData& data) {
    QDragEnterEvent enter(QPoint(40, 120), Qt::CopyAction | Qt::MoveAction | Qt::LinkAction, &data,
                          Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(window, &enter);
    QDragMoveEvent move(QPoint(50, 130), Qt::CopyAction | Qt::MoveAction | Qt::LinkAction, &data,
                        Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(window, &move);
    return enter.isAccepted() && move.isAccepted() && enter.dropAction() == Qt::CopyAction;
}

// A whole drag: it enters, moves and is let go; Qt delivers the drop only after the enter.
bool drop(QWidget* window, const QMimeData& data) {
    dragEnter(window, data);
    QDropEvent event(QPointF(50, 130), Qt::CopyAction | Qt::MoveAction, &data, Qt::LeftButton,
                     Qt::NoModifier);
    QCoreApplication::sendEvent(window, &event);
    return event.isAccepted() && event.dropAction() == Qt::CopyAction;
}

QString fileVariable(const platform::forms::ExtenderControl* ctrl) {
    const auto* player = dynamic_cast<const runtime::PlayerControl*>(ctrl);
    for (const auto& pair : player->rootVariables())
        if (pair.first == QLatin1String("file")) return pair.second;
    return QString();
}

// Sees what reaches the window after the window procedure has had it.
class Probe : public QObject {
public:
    explicit Probe(player::Form1& form) : m_form(form) {}
    QList<QPair<QEvent*, QEvent::Type>> seen;
    QString loadedWhenDropArrived;

protected:
    bool eventFilter(QObject*, QEvent* event) override {
        seen.append({event, event->type()});
        if (event->type() == QEvent::Drop) loadedWhenDropArrived = m_form.currentflv;
        return false;
    }

private:
    player::Form1& m_form;
};

}  // namespace

class FileDrop : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void init() {
        m_world = std::make_unique<testing::TestWorld>();
        m_form = std::make_unique<player::Form1>(m_world->services());
        m_module = std::make_unique<intake::Module1>(*m_form);
        m_form->EnableFileDrop = [this](platform::forms::Form& f) { m_module->EnableFileDrop(f); };
        m_form->DisableFileDrop = [this](platform::forms::Form& f) { m_module->DisableFileDrop(f); };
        m_form->Form_Load();
    }
    void cleanup() {
        m_module.reset();
        m_form.reset();
        m_world.reset();
    }

    void theFirstDroppedItemIsLoaded_data() {
        QTest::addColumn<QStringList>("paths");
        const QString clip = testing::mediaPath(QStringLiteral("h264_aac.flv"));
        QTest::newRow("one file") << QStringList{clip};
        QTest::newRow("three files") << QStringList{clip, testing::mediaPath(QStringLiteral("long.flv")),
                                                    testing::mediaPath(QStringLiteral("audio.mp3"))};
        QTest::newRow("a folder") << QStringList{qEnvironmentVariable("QUORVEL_TEST_MEDIA")};
        QTest::newRow("a text file") << QStringList{testing::mediaPath(QStringLiteral("text.flv")), clip};
        QTest::newRow("600 characters")
            << QStringList{QLatin1Char('/') + QString(595, QLatin1Char('p')) + QStringLiteral(".flv")};
        QTest::newRow("non-Latin") << QStringList{QStringLiteral("/видео/東京 ☃ ü ﷺ 𝄞.flv")};
        QTest::newRow("spaces and signs") << QStringList{QStringLiteral("/a b/50% #1 & c?.flv")};
    }
    void theFirstDroppedItemIsLoaded() {
        QFETCH(QStringList, paths);
        const auto data = dragOf(uriList(paths));
        QVERIFY(dragEnter(m_form->form.widget(), *data));
        QVERIFY(drop(m_form->form.widget(), *data));
        QCOMPARE(m_form->currentflv, paths.constFirst());
        QCOMPARE(fileVariable(m_form->ctrl), paths.constFirst());
        QCOMPARE(m_form->form.Caption(), QStringLiteral("Quorvel : ") + paths.constFirst());
        QVERIFY(!m_form->dragpic.Visible());
    }

    void aDropWhilePlayingReplacesThePlayer() {
        const auto first = dragOf(uriList({testing::mediaPath(QStringLiteral("long.flv"))}));
        QVERIFY(drop(m_form->form.widget(), *first));
        QCoreApplication::processEvents();  // the movie starts once the drop is over
        QPointer<QWidget> playing = m_form->ctrl->widget();
        const auto second = dragOf(uriList({testing::mediaPath(QStringLiteral("h263_mp3.flv"))}));
        QVERIFY(drop(m_form->form.widget(), *second));
        QVERIFY(playing.isNull());
        QCOMPARE(fileVariable(m_form->ctrl), testing::mediaPath(QStringLiteral("h263_mp3.flv")));
    }

    void commentsAndOtherAddressesAreSkipped() {
        const auto data =
            dragOf("# from a browser\r\nhttp://example.org/a.flv\r\n\r\nfile://localhost" +
                   QFile::encodeName(testing::mediaPath(QStringLiteral("h264_aac.flv"))) + "\r\n");
        QVERIFY(dragEnter(m_form->form.widget(), *data));
        QVERIFY(drop(m_form->form.widget(), *data));
        QCOMPARE(m_form->currentflv, testing::mediaPath(QStringLiteral("h264_aac.flv")));
    }

    void dragsWithoutALocalFileAreRefused_data() {
        QTest::addColumn<QByteArray>("list");
        QTest::newRow("web address") << QByteArray("http://example.org/a.flv\r\n");
        QTest::newRow("remote host") << QByteArray("file://server/share/a.flv\r\n");
        QTest::newRow("comments only") << QByteArray("# nothing\r\n");
    }
    void dragsWithoutALocalFileAreRefused() {
        QFETCH(QByteArray, list);
        const QString caption = m_form->form.Caption();
        const auto data = dragOf(list);
        QVERIFY(!dragEnter(m_form->form.widget(), *data));
        QVERIFY(!drop(m_form->form.widget(), *data));
        QVERIFY(m_form->currentflv.isEmpty());
        QCOMPARE(m_form->form.Caption(), caption);
        QMimeData text;
        text.setText(QStringLiteral("/tmp/a.flv"));
        QVERIFY(!dragEnter(m_form->form.widget(), text));
        QVERIFY(!drop(m_form->form.widget(), text));
        QVERIFY(m_form->currentflv.isEmpty());
    }

    void aNameThatIsNotUtf8ReachesThePlayerAsTheSameFile() {
        const QByteArray original = QFile::encodeName(m_world->tempFolder) + "clip-\xff\xfe.flv";
        const int fd = ::open(original.constData(), O_CREAT | O_WRONLY | O_EXCL, 0600);
        QVERIFY(fd >= 0);
        ::close(fd);
        const auto data = dragOf("file://" + original.toPercentEncoding("/") + "\r\n");
        QVERIFY(drop(m_form->form.widget(), *data));
        struct stat dropped {
        }, real{};
        QCOMPARE(::stat(QFile::encodeName(fileVariable(m_form->ctrl)).constData(), &dropped), 0);
        QCOMPARE(::stat(original.constData(), &real), 0);
        QCOMPARE(dropped.st_ino, real.st_ino);
        QCOMPARE(dropped.st_dev, real.st_dev);
        QVERIFY(m_form->currentflv.endsWith(QStringLiteral(".flv")));
    }

    void theWindowProcedurePassesEveryEventOnUnchanged() {
        QWidget* window = m_form->form.widget();
        // A filter installed before the hook runs after it: it sees what the window gets.
        Probe probe(*m_form);
        m_module->Unhook(m_form->form);
        window->installEventFilter(&probe);
        m_module->Hook(m_form->form);

        QKeyEvent key(QEvent::KeyPress, Qt::Key_A, Qt::NoModifier, QStringLiteral("a"));
        QMouseEvent press(QEvent::MouseButtonPress, QPointF(5, 5), QPointF(5, 5), Qt::LeftButton,
                          Qt::LeftButton, Qt::NoModifier);
        QEvent custom(QEvent::Type(QEvent::User + 7));
        QResizeEvent resize(QSize(400, 300), window->size());
        for (QEvent* event : std::initializer_list<QEvent*>{&key, &press, &custom, &resize}) {
            probe.seen.clear();
            QCoreApplication::sendEvent(window, event);
            // Qt may send companions of its own (a shortcut check before a key); the event itself
            // arrives once, as it was sent.
            QCOMPARE(probe.seen.count({event, event->type()}), 1);
        }

        // The drop reaches the window too, after the file has been loaded.
        const QString clip = testing::mediaPath(QStringLiteral("h264_aac.flv"));
        const auto data = dragOf(uriList({clip}));
        probe.seen.clear();
        QVERIFY(drop(window, *data));
        const auto drops = std::count_if(probe.seen.cbegin(), probe.seen.cend(),
                                         [](const auto& seen) { return seen.second == QEvent::Drop; });
        QCOMPARE(drops, 1);
        QCOMPARE(probe.loadedWhenDropArrived, clip);

        // A close still goes to the window and runs the unload.
        m_form->form.Show();
        QVERIFY(QTest::qWaitForWindowExposed(window));
        probe.seen.clear();
        window->close();
        QVERIFY(!window->isVisible());
        QCOMPARE(m_world->settings.saves, 1);
        window->removeEventFilter(&probe);
    }

    void unloadTakesDropAndHookAway() {
        QWidget* window = m_form->form.widget();
        QVERIFY(m_module->isHooked());
        QVERIFY(window->acceptDrops());
        int cancel = 0;
        m_form->Form_Unload(cancel);
        QVERIFY(!m_module->isHooked());
        QVERIFY(!window->acceptDrops());
        const auto data = dragOf(uriList({testing::mediaPath(QStringLiteral("h264_aac.flv"))}));
        QVERIFY(!dragEnter(window, *data));
        QVERIFY(!drop(window, *data));
        QVERIFY(m_form->currentflv.isEmpty());

        // Unhooking again, or switching drop off again, changes nothing.
        m_module->Unhook(m_form->form);
        m_module->DisableFileDrop(m_form->form);
        QVERIFY(!m_module->isHooked());
        QVERIFY(!drop(window, *data));
        QVERIFY(m_form->currentflv.isEmpty());
    }

    void unhookWithoutHookChangesNothing() {
        player::Form1 other(m_world->services());
        intake::Module1 module(other);
        Probe probe(other);
        other.form.widget()->installEventFilter(&probe);
        module.Unhook(other.form);
        QVERIFY(!module.isHooked());
        QEvent custom(QEvent::Type(QEvent::User + 8));
        QCoreApplication::sendEvent(other.form.widget(), &custom);
        QCOMPARE(probe.seen.size(), 1);  // other filters stay in place
        // The main window's own hook is untouched.
        QVERIFY(m_module->isHooked());
        other.form.widget()->removeEventFilter(&probe);
    }

    void aLoadThatFailsDoesNotEndTheProcess() {
        // Without the player control GotADrop stops at removing it, and raises an error.
        m_form->form.RemoveControl(player::kPlayerControlName);
        m_form->ctrl = nullptr;
        const QString clip = testing::mediaPath(QStringLiteral("h264_aac.flv"));
        const auto data = dragOf(uriList({clip}));
        QVERIFY(drop(m_form->form.widget(), *data));
        QCOMPARE(m_form->currentflv, clip);  // the load got as far as its first step
        QVERIFY(!m_form->ctrl);
        // The window goes on: the hook and the drop acceptance are still there.
        QVERIFY(m_module->isHooked());
        QVERIFY(dragEnter(m_form->form.widget(), *data));
    }

private:
    std::unique_ptr<testing::TestWorld> m_world;
    std::unique_ptr<player::Form1> m_form;
    std::unique_ptr<intake::Module1> m_module;
};

QTEST_MAIN(FileDrop)
#include "tst_file_drop.moc"
