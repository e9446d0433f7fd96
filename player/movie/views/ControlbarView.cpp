#include "player/movie/views/ControlbarView.h"

#include "player/movie/core/Config.h"
#include "player/movie/core/PlayerSignals.h"
#include "player/movie/feed/Feed.h"
#include "player/movie/views/controlbar/Clips.h"
#include "player/movie/views/controlbar/ConfigColor.h"
#include "player/movie/views/controlbar/ControlbarFader.h"
#include "runtime/component/Stage.h"
#include "runtime/moviefile/MovieFile.h"

#include <algorithm>
#include <cmath>

namespace movie {

ControlbarView::ControlbarView(const ViewContext& context, QWidget* parent)
    : QWidget(parent), m_context(context) {
    setObjectName(QStringLiteral("controlbar"));
    readColors();
    buildParts();
    m_fader = new ControlbarFader(this, m_context.stage);

    ViewUpdates& updates = m_context.updates;
    connect(&updates, &ViewUpdates::state, this, &ControlbarView::showState);
    connect(&updates, &ViewUpdates::time, this, &ControlbarView::showTime);
    connect(&updates, &ViewUpdates::load, this, &ControlbarView::showLoad);
    connect(&updates, &ViewUpdates::volume, this, &ControlbarView::showVolume);
    connect(&updates, &ViewUpdates::item, this, &ControlbarView::newItem);
    connect(&updates, &ViewUpdates::captionsChanged, this, &ControlbarView::showCaptionsChoice);
    connect(&updates, &ViewUpdates::stageResized, this, &ControlbarView::relayout);
    // Leaving full screen puts the bar back; entering it is followed by a stage resize anyway.
    connect(&updates, &ViewUpdates::fullScreenChanged, this, &ControlbarView::relayout);

    ViewRequests& requests = m_context.requests;
    connect(m_playpause, &ButtonClip::pressed, &requests, [&requests] { requests.send(Request::PlayPause); });
    connect(m_prev, &ButtonClip::pressed, &requests, [&requests] { requests.send(Request::Prev); });
    connect(m_next, &ButtonClip::pressed, &requests, [&requests] { requests.send(Request::Next); });
    connect(m_cc, &ButtonClip::pressed, &requests, [&requests] { requests.send(Request::Captions); });
    connect(m_fs, &ButtonClip::pressed, this, [this] {
        // The stage changes under the pointer, which then never rolls out of the button.
        m_fs->rollOut();
        m_context.requests.send(Request::FullScreen);
    });
    m_bck->installEventFilter(this);
    m_vol->installEventFilter(this);

    relayout();
    showState(PlayerState::Paused);
    showVolume(int(m_context.config.number(configkey::kVolume)));
    showCaptionsChoice(m_context.config.text(configkey::kUseCaptions) != QLatin1String("false"));
}

ControlbarView::~ControlbarView() = default;

bool ControlbarView::hidePending() const {
    return m_fader->hidePending();
}

double ControlbarView::barOpacity() const {
    return m_fader->opacity();
}

void ControlbarView::readColors() {
    m_front = configColor(m_context.config, configkey::kFrontColor);
    m_backColor = configColor(m_context.config, configkey::kBackColor);
    m_light = configColor(m_context.config, configkey::kLightColor);
}

void ControlbarView::buildParts() {
    const runtime::Movie& movie = m_context.movie;
    auto icon = [&movie](const QString& name, const QString& asset, QWidget* parent) {
        return new IconClip(name, movie.asset(asset), parent);
    };
    m_back = new FillClip(QStringLiteral("back"), 0, 1, this);
    m_playpause = new ButtonClip(QStringLiteral("playpause"), this);
    m_ply = icon(QStringLiteral("ply"), QStringLiteral("ply.svg"), m_playpause);
    m_pas = icon(QStringLiteral("pas"), QStringLiteral("pas.svg"), m_playpause);
    m_prev = new ButtonClip(QStringLiteral("prev"), this);
    icon(QStringLiteral("icn"), QStringLiteral("prev.svg"), m_prev);
    m_next = new ButtonClip(QStringLiteral("next"), this);
    icon(QStringLiteral("icn"), QStringLiteral("next.svg"), m_next);

    m_scrub = new ClipGroup(QStringLiteral("scrub"), this);
    m_shd = new FillClip(QStringLiteral("shd"), 3, 0.12, m_scrub);
    m_bck = new FillClip(QStringLiteral("bck"), 8, 0.35, m_scrub);
    m_bck->setAttribute(Qt::WA_TransparentForMouseEvents, false);  // the seek target
    m_bck->setCursor(Qt::PointingHandCursor);
    m_bar = new FillClip(QStringLiteral("bar"), 8, 1, m_scrub);
    m_knob = icon(QStringLiteral("icn"), QStringLiteral("knob.svg"), m_scrub);
    m_elpTxt = new TextClip(QStringLiteral("elpTxt"), m_scrub);
    m_remTxt = new TextClip(QStringLiteral("remTxt"), m_scrub);

    m_fs = new ButtonClip(QStringLiteral("fs"), this);
    m_fsIcon = icon(QStringLiteral("fs"), QStringLiteral("fs.svg"), m_fs);
    m_nsIcon = icon(QStringLiteral("ns"), QStringLiteral("ns.svg"), m_fs);
    m_cc = new ButtonClip(QStringLiteral("cc"), this);
    m_ccIcon = icon(QStringLiteral("icn"), QStringLiteral("cc.svg"), m_cc);

    m_vol = new ButtonClip(QStringLiteral("vol"), this);
    m_volBck = new FillClip(QStringLiteral("bck"), 8, 0.35, m_vol);
    m_volIcon = icon(QStringLiteral("icn"), QStringLiteral("vol.svg"), m_vol);
    m_msk = new ClipGroup(QStringLiteral("msk"), m_vol);  // clips the level bar to the volume's width
    m_msk->setAttribute(Qt::WA_TransparentForMouseEvents);
    m_volBar = new FillClip(QStringLiteral("bar"), 8, 1, m_msk);

    for (Clip* clip : findChildren<Clip*>()) clip->setColor(m_front);
    m_back->setColor(m_backColor);
    for (ButtonClip* button : {m_playpause, m_prev, m_next, m_fs, m_cc, m_vol})
        button->setColors(m_front, m_light);
}

ControlbarLayoutInput ControlbarView::layoutInput() const {
    const Config& config = m_context.config;
    const runtime::Stage& stage = m_context.stage;
    ControlbarLayoutInput in;
    in.width = config.number(configkey::kWidth);
    in.height = config.number(configkey::kHeight);
    in.displayWidth = config.number(configkey::kDisplayWidth);
    in.displayHeight = config.number(configkey::kDisplayHeight);
    in.largeControls = config.isTrue(configkey::kLargeControls);
    in.showDigits = config.text(configkey::kShowDigits) != QLatin1String("false");
    in.useFullscreen = config.text(configkey::kUseFullScreen) != QLatin1String("false");
    in.hasFsButtonLink = !config.text(configkey::kFsButtonLink).isEmpty();
    in.stageWidth = stage.stageWidth();
    in.stageHeight = stage.stageHeight();
    in.fullScreen = stage.displayState() == runtime::DisplayState::FullScreen;
    in.itemCount = int(m_context.feed.size());
    in.hasCaptions = m_context.feed.hasCaptions();
    in.onlyAudio = m_context.feed.onlyAudio();
    in.canChangeDisplayState = stage.canChangeDisplayState();
    return in;
}

void ControlbarView::place(QWidget* widget, double x, double y, double width, double height) const {
    const double s = m_layout.scale;
    const int left = int(std::lround(x * s));
    const int top = int(std::lround(y * s));
    widget->setGeometry(left, top, std::max(0, int(std::lround((x + width) * s)) - left),
                        std::max(0, int(std::lround((y + height) * s)) - top));
}

void ControlbarView::place(QWidget* widget, const ClipPlacement& placement, double y, double height) const {
    widget->setVisible(placement.visible);
    place(widget, placement.x, y, placement.width, height);
}

void ControlbarView::relayout() {
    m_layout = layoutControlbar(layoutInput());
    const ControlbarLayout& l = m_layout;
    const double h = kControlbarHeight;
    setGeometry(int(l.x), int(l.y), int(std::lround(l.width * l.scale)), int(std::lround(h * l.scale)));
    for (Clip* clip : findChildren<Clip*>()) clip->setScale(l.scale);

    place(m_back, l.back);
    m_back->setAlpha(l.backAlpha);
    place(m_playpause, l.playpause);
    place(m_prev, l.prev);
    place(m_next, l.next);
    for (ButtonClip* button : {m_playpause, m_prev, m_next, m_cc})
        for (IconClip* part : button->findChildren<IconClip*>()) place(part, 0, 0, 17, h);

    place(m_scrub, l.scrub);
    place(m_shd, 0, 0, l.scrub.width, h);
    place(m_elpTxt, l.elpTxt);
    place(m_remTxt, l.remTxt);
    m_loadedWidth = l.barWidths;

    place(m_fs, l.fs);
    place(m_fsIcon, l.fsButton);
    place(m_nsIcon, l.nsButton);
    place(m_cc, l.cc);

    place(m_vol, l.vol);
    place(m_volIcon, 0, 0, 12, h);
    place(m_volBck, 12, 0, 20, h);
    place(m_volBar, 0, 0, 20, h);

    const double displayWidth = m_context.config.number(configkey::kDisplayWidth);
    m_fader->reset(l.alpha, l.overDisplay, displayWidth);
    raise();
    showTime(m_elapsed, m_remaining);
    showVolumeMask();
}

}  // namespace movie
