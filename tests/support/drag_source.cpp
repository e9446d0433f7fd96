// A window a test drags a file from, as a file manager does: a press on it starts a drag of the
// file named on the command line. It fills itself with one colour, so a test finds it on a
// screenshot where the window system does not say where windows are.
#include <QApplication>
#include <QDrag>
#include <QMimeData>
#include <QMouseEvent>
#include <QPainter>
#include <QUrl>
#include <QWidget>

namespace {

class DragSource : public QWidget {
public:
    explicit DragSource(QString file) : m_file(std::move(file)) {
        setWindowTitle(QStringLiteral("quorvel drag source"));
        setWindowFlags(Qt::Window | Qt::FramelessWindowHint);
        resize(120, 120);
    }

protected:
    void paintEvent(QPaintEvent*) override { QPainter(this).fillRect(rect(), QColor(0xFF, 0xFF, 0x00)); }
    void mousePressEvent(QMouseEvent*) override {
        auto* drag = new QDrag(this);
        auto* mime = new QMimeData;
        mime->setUrls({QUrl::fromLocalFile(m_file)});
        drag->setMimeData(mime);
        drag->exec(Qt::CopyAction);
    }

private:
    QString m_file;
};

}  // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    if (argc != 2) return 2;
    DragSource source(QString::fromLocal8Bit(argv[1]));
    source.show();
    return QApplication::exec();
}
