// The window floor on Linux: the least Qt program that shows ipview's window, written the plain
// way. The same caption, flags, icon, pixel geometry at 96 dots per inch, faces, sizes, colour and
// focus; a click puts this machine's address in the box, found by the bare system calls.
#include "bench/RawLookups.h"

#include <QApplication>
#include <QFontDatabase>
#include <QIcon>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScreen>
#include <QStyle>
#include <QWidget>
#include <arpa/inet.h>

namespace {

QFont Installed(const QString& family, double points, QFont::Weight weight) {
    QFont font;
    if (QFontDatabase::families().contains(family)) {
        font.setFamily(family);
    }
    font.setPointSizeF(points);
    font.setWeight(weight);
    return font;
}

QString OwnAddress() {
    in_addr address{bench::RawOwnAddress()};
    return QString::fromLatin1(inet_ntoa(address));
}

} // namespace

int main(int argc, char** argv) {
    QApplication application(argc, argv);
    QApplication::setWindowIcon(QIcon(QStringLiteral(":/ipview.png")));
    QWidget window(nullptr, Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                                Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint);
    window.setWindowTitle(QString::fromUtf8("Torvale - ip查看工具"));
    const QSize clientArea(334, 219);
    window.setFixedSize(clientArea);
    window.setGeometry(QStyle::alignedRect(Qt::LeftToRight, Qt::AlignCenter, clientArea,
                                           QGuiApplication::primaryScreen()->geometry()));

    auto* text1 = new QPlainTextEdit(&window);
    text1->setGeometry(24, 48, 289, 41);
    text1->setFont(Installed(QStringLiteral("AR PL UMing CN"), 26.25, QFont::Bold));
    text1->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    text1->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    QPalette palette = text1->palette();
    palette.setColor(QPalette::Text, Qt::red);
    text1->setPalette(palette);
    QTextOption centred = text1->document()->defaultTextOption();
    centred.setAlignment(Qt::AlignHCenter);
    text1->document()->setDefaultTextOption(centred);

    auto* command1 = new QPushButton(QString::fromUtf8("获取本机ip地址"), &window);
    command1->setGeometry(64, 144, 201, 41);
    command1->setFont(Installed(QStringLiteral("AR PL UKai CN"), 15, QFont::Normal));
    QObject::connect(command1, &QPushButton::clicked, text1,
                     [text1] { text1->setPlainText(OwnAddress()); });
    QWidget::setTabOrder(command1, text1);
    command1->setFocus();

    window.show();
    return QApplication::exec();
}
