#include "platform/help_viewer.h"

#include <QApplication>
#include <QCursor>
#include <QFile>
#include <QHBoxLayout>
#include <QMenu>
#include <QPointer>
#include <QPushButton>
#include <QScreen>
#include <QShortcut>
#include <QStyle>
#include <QTextBrowser>
#include <QUrl>
#include <QVBoxLayout>
#include <QWhatsThis>
#include <QWidget>
#include <QWindow>
#include <algorithm>

#include "platform/app_icons.h"
#include "platform/dialog_builder.h"
#include "resources/resource_ids.h"

namespace kestrivane {

namespace {

constexpr const char* kHelpFile = ":/help/kestrivane.help";
constexpr const char* kHelpWindowTitle = QT_TRANSLATE_NOOP("Help", "Kestrivane Help");

const HelpFile& TheHelpFile() {
  static const HelpFile file = [] {
    QFile source(QString::fromLatin1(kHelpFile));
    if (!source.open(QIODevice::ReadOnly)) return HelpFile{};
    return ParseHelpFile(source.readAll().toStdString());
  }();
  return file;
}

std::function<void(const HelpRequest&)>& Hook() {
  static std::function<void(const HelpRequest&)> hook;
  return hook;
}

// Each title and paragraph is one message of the "Help" context.
QString Translated(const std::string& piece) {
  return QCoreApplication::translate("Help", piece.c_str());
}

QString TranslatedParagraphs(const std::string& text) {
  QStringList paragraphs;
  for (const std::string& paragraph : HelpParagraphs(text)) paragraphs << Translated(paragraph);
  return paragraphs.join(QStringLiteral("\n\n"));
}

QString Html(const HelpTopic& topic) {
  QString html = QStringLiteral("<h2>%1</h2>").arg(Translated(topic.title).toHtmlEscaped());
  for (const std::string& paragraph : HelpParagraphs(topic.text)) {
    QString body = Translated(paragraph).toHtmlEscaped();
    // {0x20082} becomes a link to that topic, titled with the topic's title.
    qsizetype open = 0;
    while ((open = body.indexOf('{', open)) >= 0) {
      const qsizetype close = body.indexOf('}', open);
      if (close < 0) break;
      const QString ref = body.mid(open + 1, close - open - 1);
      const auto found = TheHelpFile().topics.find(ParseHelpNumber(ref.toStdString()));
      const QString label = found != TheHelpFile().topics.end()
                                ? Translated(found->second.title).toHtmlEscaped()
                                : ref;
      const QString link = QStringLiteral("<a href=\"topic:%1\">%2</a>").arg(ref, label);
      body.replace(open, close - open + 1, link);
      open += link.size();
    }
    html += QStringLiteral("<p>%1</p>").arg(body);
  }
  return html;
}

const QUrl kContentsPage(QStringLiteral("contents:"));

QUrl TopicPage(uint32_t context) { return QUrl(QStringLiteral("topic:0x%1").arg(context, 0, 16)); }

// Pages have addresses ("contents:", "topic:0x20082"), so the browser's own
// history serves Back and Forward.
class HelpBrowser : public QTextBrowser {
 public:
  using QTextBrowser::QTextBrowser;

  QVariant loadResource(int type, const QUrl& url) override {
    if (url.scheme() == kContentsPage.scheme()) return Html(HelpContents());
    if (url.scheme() == QLatin1String("topic")) {
      if (const auto topic = HelpTopicByNumber(ParseHelpNumber(url.path().toStdString()))) {
        return Html(*topic);
      }
    }
    return QTextBrowser::loadResource(type, url);
  }
};

// The help window: Contents, Back and Forward above the page. It belongs to
// no dialog, so it outlives the one that opened it.
class HelpWindow : public QWidget {
 public:
  HelpWindow() {
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowTitle(QCoreApplication::translate("Help", kHelpWindowTitle));
    setWindowIcon(LoadAppIcon(IDR_MAINFRAME));
    auto* layout = new QVBoxLayout(this);
    auto* bar = new QHBoxLayout;
    const auto button = [&](const char* text, QStyle::StandardPixmap icon, auto slot) {
      auto* b =
          new QPushButton(style()->standardIcon(icon), QCoreApplication::translate("Help", text));
      b->setAutoDefault(false);
      QObject::connect(b, &QPushButton::clicked, m_browser, slot);
      bar->addWidget(b);
      return b;
    };
    button(QT_TRANSLATE_NOOP("Help", "&Contents"), QStyle::SP_DirHomeIcon,
           [this] { Open(kContentsPage); });
    QPushButton* back =
        button(QT_TRANSLATE_NOOP("Help", "&Back"), QStyle::SP_ArrowBack, &QTextBrowser::backward);
    QPushButton* forward = button(QT_TRANSLATE_NOOP("Help", "&Forward"), QStyle::SP_ArrowForward,
                                  &QTextBrowser::forward);
    bar->addStretch();
    back->setEnabled(false);
    forward->setEnabled(false);
    connect(m_browser, &QTextBrowser::backwardAvailable, back, &QWidget::setEnabled);
    connect(m_browser, &QTextBrowser::forwardAvailable, forward, &QWidget::setEnabled);
    m_browser->document()->setDocumentMargin(12);
    layout->addLayout(bar);
    layout->addWidget(m_browser);
    auto* escape = new QShortcut(QKeySequence(Qt::Key_Escape), this);
    connect(escape, &QShortcut::activated, this, &QWidget::close);
    resize(520, 460);
  }

  void Open(const QUrl& page) {
    if (m_browser->source() != page) m_browser->setSource(page, QTextDocument::HtmlResource);
  }

 private:
  HelpBrowser* m_browser = new HelpBrowser(this);
};

QPointer<HelpWindow>& TheHelpWindow() {
  static QPointer<HelpWindow> window;
  return window;
}

// Beside the window that asked, on its screen: to the right where there is
// room, else to the left.
void PlaceBeside(QWidget& help, const QWidget& owner) {
  const QRect beside = owner.frameGeometry();
  QPoint at = beside.topRight() + QPoint(8, 0);
  const QScreen* screen = owner.screen();
  if (screen == nullptr) return help.move(at);
  const QRect area = screen->availableGeometry();
  if (at.x() + help.width() > area.right()) at.setX(beside.left() - 8 - help.width());
  at.setX(std::max(area.left(), std::min(at.x(), area.right() - help.width())));
  at.setY(std::max(area.top(), std::min(at.y(), area.bottom() - help.height())));
  help.move(at);
}

void ShowInHelpWindow(QWidget* owner, const QUrl& page) {
  QPointer<HelpWindow>& window = TheHelpWindow();
  if (window.isNull()) {
    window = new HelpWindow;
    if (owner != nullptr) PlaceBeside(*window, *owner->window());
  }
  window->Open(page);
  // A modal dialog blocks every window but its own: the help window joins
  // the one open now, so it stays usable (and above it) while it is open.
  window->winId();
  QWidget* modal = QApplication::activeModalWidget();
  window->windowHandle()->setTransientParent(
      modal != nullptr && modal != window ? modal->windowHandle() : nullptr);
  window->show();
  window->raise();
  window->activateWindow();
}

void ShowPopup(QWidget* control, uint32_t context) {
  const std::optional<std::string> text = context != 0 ? HelpPopupText(context) : std::nullopt;
  const QString shown =
      text ? TranslatedParagraphs(*text) : QCoreApplication::translate("Help", kNoHelpText);
  const QPoint at =
      control != nullptr ? control->mapToGlobal(control->rect().center()) : QCursor::pos();
  QWhatsThis::showText(at, shown, control);
}

}  // namespace

std::optional<std::string> HelpPopupText(uint32_t context) {
  const auto& popups = TheHelpFile().popups;
  const auto found = popups.find(context);
  if (found == popups.end()) return std::nullopt;
  return found->second;
}

std::optional<HelpTopic> HelpTopicByNumber(uint32_t context) {
  const auto& topics = TheHelpFile().topics;
  const auto found = topics.find(context);
  if (found == topics.end()) return std::nullopt;
  return found->second;
}

HelpTopic HelpContents() { return TheHelpFile().contents; }

uint32_t HelpContextOf(const QWidget* control, std::span<const HelpIdPair> table) {
  for (const QWidget* w = control; w != nullptr; w = w->parentWidget()) {
    const QVariant id = w->property(kControlIdProperty);
    if (!id.isValid()) {
      if (w->isWindow()) break;
      continue;
    }
    for (const HelpIdPair& pair : table) {
      if (pair.controlId == 0 && pair.contextId == 0) break;
      if (pair.controlId == static_cast<uint32_t>(id.toInt())) return pair.contextId;
    }
    return 0;
  }
  return 0;
}

bool WinHelp(QWidget* window, HelpCommand command, uint32_t data,
             std::span<const HelpIdPair> table) {
  uint32_t context = 0;
  if (command == HELP_WM_HELP || command == HELP_CONTEXTMENU) {
    context = HelpContextOf(window, table);
  } else if (command == HELP_CONTEXT) {
    context = data;
  }
  if (Hook()) {
    Hook()(HelpRequest{command, context});
    return true;
  }
  switch (command) {
    case HELP_WM_HELP:
      ShowPopup(window, context);
      return true;
    case HELP_CONTEXTMENU: {
      QMenu menu(window);
      QAction* whatsThis = menu.addAction(QCoreApplication::translate("Help", "What's This?"));
      if (menu.exec(QCursor::pos()) == whatsThis) ShowPopup(window, context);
      return true;
    }
    case HELP_CONTEXT:
      if (!HelpTopicByNumber(context)) return false;
      ShowInHelpWindow(window, TopicPage(context));
      return true;
    case HELP_FINDER:
      ShowInHelpWindow(window, kContentsPage);
      return true;
    case HELP_QUIT:
      if (!TheHelpWindow().isNull()) TheHelpWindow()->close();
      return true;
  }
  return false;
}

void SetHelpHook(std::function<void(const HelpRequest&)> hook) { Hook() = std::move(hook); }

bool IsHelpWindowOpen() { return !TheHelpWindow().isNull() && TheHelpWindow()->isVisible(); }

}  // namespace kestrivane
