// SPDX-License-Identifier: GPL-3.0-or-later
// The table of video-call services other than Zoom meetings, Google Meet and Microsoft
// Teams (those have their own detectors and come first). Order matters: for one link the
// first row that accepts it wins. A row's pattern is matched at the start of the link
// without its scheme and "www."; "(?:[\w\-]+\.)?" lets any subdomain precede a host.
#include "events/videocalls/Regex.h"
#include "events/videocalls/VideoCallService.h"

#include <QUrlQuery>

namespace ruvo::videocalls {

namespace {

using Rewrite = std::function<std::optional<QUrl>(
    const QRegularExpressionMatch& match, const QUrl& candidate, const platform::UrlOpener& apps)>;

QStringList samples(std::initializer_list<const char*> links) {
    QStringList list;
    for (const char* link : links)
        list << QString::fromUtf8(link);
    return list;
}

VideoCallService prefixRow(const char* title, const char* pattern, QStringList pass,
                           QStringList fail, Rewrite rewrite = {}) {
    QRegularExpression regex =
        compiledRegex(QStringLiteral("^(?:%1)").arg(QString::fromUtf8(pattern)),
                      QRegularExpression::CaseInsensitiveOption);
    auto url = [regex = std::move(regex), rewrite = std::move(rewrite)](
                   const Candidate& candidate,
                   const platform::UrlOpener& apps) -> std::optional<QUrl> {
        const QRegularExpressionMatch match = regex.match(candidate.text);
        if (!match.hasMatch())
            return std::nullopt;
        if (rewrite)
            if (std::optional<QUrl> app = rewrite(match, candidate.url, apps))
                return app;
        return candidate.url;
    };
    return VideoCallService{QString::fromUtf8(title), std::move(url), std::move(pass),
                            std::move(fail)};
}

VideoCallService hostRow(const char* title, std::function<bool(const Candidate&)> accepts,
                         QStringList pass, QStringList fail, Rewrite rewrite = {}) {
    auto url = [accepts = std::move(accepts), rewrite = std::move(rewrite)](
                   const Candidate& candidate,
                   const platform::UrlOpener& apps) -> std::optional<QUrl> {
        if (!accepts(candidate))
            return std::nullopt;
        if (rewrite)
            if (std::optional<QUrl> app = rewrite(QRegularExpressionMatch{}, candidate.url, apps))
                return app;
        return candidate.url;
    };
    return VideoCallService{QString::fromUtf8(title), std::move(url), std::move(pass),
                            std::move(fail)};
}

bool isDomainOrSubdomain(const QString& host, QLatin1String domain) {
    return host == domain || (host.endsWith(domain) && host.size() > domain.size() &&
                              host[host.size() - domain.size() - 1] == u'.');
}

std::optional<QUrl> chimeApp(const QRegularExpressionMatch& m, const QUrl&,
                             const platform::UrlOpener& apps) {
    if (!apps.hasApplicationFor(QStringLiteral("chime")))
        return std::nullopt;
    QUrl app(QStringLiteral("chime://meeting"));
    app.setQuery(QUrlQuery{{QStringLiteral("pin"), m.captured(u"meetingID")}});
    return app;
}

std::optional<QUrl> jitsiApp(const QRegularExpressionMatch&, const QUrl& candidate,
                             const platform::UrlOpener& apps) {
    if (!apps.hasApplicationFor(QStringLiteral("jitsi-meet")))
        return std::nullopt;
    QUrl app = candidate;
    app.setScheme(QStringLiteral("jitsi-meet"));
    return app;
}

std::optional<QUrl> slackApp(const QRegularExpressionMatch& m, const QUrl&,
                             const platform::UrlOpener& apps) {
    if (!apps.hasApplicationFor(QStringLiteral("slack")))
        return std::nullopt;
    QUrl app(QStringLiteral("slack://join-huddle"));
    app.setQuery(QUrlQuery{{QStringLiteral("team"), m.captured(u"team")},
                           {QStringLiteral("id"), m.captured(u"id")}});
    return app;
}

bool isGoToMeeting(const Candidate& candidate) {
    const QUrl& url = candidate.url;
    const QStringList parts = pathComponents(url);
    return isDomainOrSubdomain(url.host(), QLatin1String("gotomeeting.com")) && parts.size() > 2 &&
           parts[1] == QLatin1String("join");
}

bool isAround(const Candidate& candidate) {
    const QUrl& url = candidate.url;
    const QStringList parts = pathComponents(url);
    return isDomainOrSubdomain(url.host(), QLatin1String("around.co")) && parts.size() > 1 &&
           parts[1] == QLatin1String("r");
}

bool isJitsi(const Candidate& candidate) {
    const QString host = candidate.url.host();
    return host == QLatin1String("meet.jit.si") || host.startsWith(QLatin1String("jitsi."));
}

bool isWebex(const Candidate& candidate) {
    static const QRegularExpression webex =
        compiledRegex(QStringLiteral("^(?:[\\w\\-]+\\.)?webex\\.com/\\S+"),
                      QRegularExpression::CaseInsensitiveOption);
    const QString& text = candidate.text;
    return webex.match(text).hasMatch() && !text.endsWith(QLatin1String("globalcallin.php"));
}

// Rows 1 to 12.
void addRowsFromGoToMeeting(std::vector<VideoCallService>& t) {
    t.push_back(hostRow("GoToMeeting", isGoToMeeting,
                        samples({"https://global.gotomeeting.com/join/123456789",
                                 "https://gotomeeting.com/join/987654321"}),
                        samples({"https://global.gotomeeting.com/join",
                                 "https://global.gotomeeting.com/install/123456789",
                                 "https://gotomeeting.com.example.net/join/1"})));
    t.push_back(prefixRow("GoToWebinar",
                          "(?:[\\w\\-]+\\.)?gotowebinar\\.com/(?:join|register)/\\S+",
                          samples({"https://attendee.gotowebinar.com/join/1234567890123456789",
                                   "https://gotowebinar.com/register/42"}),
                          samples({"https://attendee.gotowebinar.com/recording/42",
                                   "https://gotowebinar.com/join/"})));
    t.push_back(prefixRow(
        "Amazon Chime", "(?:app\\.)?chime\\.aws/(?:meetings/)?(?<meetingID>\\d+)",
        samples({"https://chime.aws/1234567890", "https://app.chime.aws/meetings/1234567890"}),
        samples({"https://chime.aws/download", "https://docs.chime.aws/123"}), chimeApp));
    t.push_back(hostRow("Around", isAround,
                        samples({"https://around.co/r/team-standup", "https://meet.around.co/r/x"}),
                        samples({"https://around.co/pricing", "https://around.co/"})));
    t.push_back(
        hostRow("Jitsi Meet", isJitsi,
                samples({"https://meet.jit.si/OurWeeklySync", "https://jitsi.example.org/room"}),
                samples({"https://jit.si/room", "https://example.org/jitsi/room"}), jitsiApp));
    t.push_back(
        prefixRow("FaceTime", "facetime\\.apple\\.com/join\\S+",
                  samples({"https://facetime.apple.com/join#v=1&p=AbCdEf&k=123"}),
                  samples({"https://facetime.apple.com/", "https://apple.com/facetime/join"})));
    t.push_back(prefixRow(
        "Zoom - Webinars",
        "(?:[\\w\\-.]+\\.)?(?:(?:zoom|zoomgov)\\.(?:us|com\\.cn|com)|zoom\\.de)/(?:w|my)/",
        samples({"https://us02web.zoom.us/w/81234567890?tk=abc", "https://zoom.us/my/janedoe",
                 "https://acme.zoomgov.com/w/1612345678", "https://zoom.com.cn/w/123"}),
        samples({"https://zoom.us/j/81234567890", "https://zoom.us/webinar/register/WN_abc"})));
    t.push_back(hostRow("Webex", isWebex,
                        samples({"https://acme.webex.com/meet/jane.doe",
                                 "https://meetingsemea.webex.com/meetingsemea/j.php?MTID=m123"}),
                        samples({"https://acme.webex.com/cmp3300/webcomponents/widget/globalcallin/"
                                 "globalcallin.php",
                                 "https://webex.com/", "https://webex.co/meet/x"})));
    t.push_back(prefixRow(
        "RingCentral", "meetings\\.ringcentral\\.com/my/\\S+",
        samples({"https://meetings.ringcentral.com/my/jane.doe"}),
        samples({"https://meetings.ringcentral.com/j/123", "https://ringcentral.com/my/jane"})));
    t.push_back(prefixRow("Pop", "pop\\.com/j/[\\d-]+", samples({"https://pop.com/j/123-456-789"}),
                          samples({"https://pop.com/j/abc", "https://pop.com/pricing"})));
    t.push_back(prefixRow(
        "Bluescape", "client\\.apps\\.us\\.bluescape\\.com/\\w+",
        samples({"https://client.apps.us.bluescape.com/AbC123xyz"}),
        samples({"https://bluescape.com/AbC123", "https://client.apps.us.bluescape.com/"})));
    t.push_back(prefixRow("Whereby", "(?:[\\w\\-]+\\.)?whereby\\.com/\\S+",
                          samples({"https://whereby.com/our-team", "https://www.whereby.com/x",
                                   "https://acme.whereby.com/design"}),
                          samples({"https://whereby.com/", "https://whereby.co/room"})));
}

// Rows 13 to 25.
void addRowsFromChorus(std::vector<VideoCallService>& t) {
    t.push_back(prefixRow("Chorus", "go\\.chorus\\.ai/\\S+",
                          samples({"https://go.chorus.ai/12345"}),
                          samples({"https://chorus.ai/12345", "https://go.chorus.ai/"})));
    t.push_back(prefixRow("Luma", "lu\\.ma/join/\\S+", samples({"https://lu.ma/join/g-AbCdEf"}),
                          samples({"https://lu.ma/event/abc", "https://lu.ma/join/"})));
    t.push_back(
        prefixRow("BlueJeans", "bluejeans\\.com/\\d+",
                  samples({"https://bluejeans.com/123456789", "https://bluejeans.com/12/345"}),
                  samples({"https://bluejeans.com/download", "https://acme.bluejeans.com/1"})));
    t.push_back(prefixRow("Huddle01", "app\\.huddle01\\.com/\\S+",
                          samples({"https://app.huddle01.com/abc-defg-hij"}),
                          samples({"https://huddle01.com/abc", "https://app.huddle01.com/"})));
    t.push_back(prefixRow("Slack", "app\\.slack\\.com/huddle/(?<team>\\w+)/(?<id>\\w+)",
                          samples({"https://app.slack.com/huddle/T01ABCDEF/C02GHIJKL"}),
                          samples({"https://app.slack.com/client/T01ABCDEF/C02GHIJKL",
                                   "https://slack.com/huddle/T01/C02"}),
                          slackApp));
    t.push_back(prefixRow("Workplace Chat", "[\\w\\-]+\\.workplace\\.com/groupcall/LINK:[a-z\\d]+",
                          samples({"https://acme.workplace.com/groupcall/LINK:abc123def"}),
                          samples({"https://workplace.com/groupcall/LINK:abc123",
                                   "https://acme.workplace.com/groups/123"})));
    t.push_back(prefixRow("Cal.com", "app\\.cal\\.com/video/\\S+",
                          samples({"https://app.cal.com/video/aBcD1234efGh"}),
                          samples({"https://cal.com/video/abc", "https://app.cal.com/bookings"})));
    t.push_back(prefixRow("Lifesizecloud.com", "[\\w\\-]+\\.lifesizecloud\\.com/\\d+",
                          samples({"https://call.lifesizecloud.com/1234567"}),
                          samples({"https://lifesizecloud.com/1234567",
                                   "https://call.lifesizecloud.com/extension"})));
    t.push_back(
        prefixRow("Gather", "app\\.gather\\.town/app/\\w+/\\S+",
                  samples({"https://app.gather.town/app/AbCdEf123/OurOffice"}),
                  samples({"https://gather.town/app/abc/office", "https://app.gather.town/app/"})));
    t.push_back(prefixRow("Tuple", "tuple\\.app/c/\\S+", samples({"https://tuple.app/c/abc123"}),
                          samples({"https://tuple.app/pricing", "https://app.tuple.app/c/x"})));
    t.push_back(prefixRow("8x8", "8x8\\.vc/\\S+", samples({"https://8x8.vc/acme/weekly"}),
                          samples({"https://8x8.com/vc/acme", "https://8x8.vc/"})));
    t.push_back(prefixRow("Demio", "event\\.demio\\.com/\\S+",
                          samples({"https://event.demio.com/ref/AbCdEf"}),
                          samples({"https://demio.com/ref/abc", "https://event.demio.com/"})));
    t.push_back(
        prefixRow("Dialpad", "meetings\\.dialpad\\.com/\\S+",
                  samples({"https://meetings.dialpad.com/room/acme"}),
                  samples({"https://dialpad.com/meetings", "https://meetings.dialpad.com/"})));
}

// Rows 26 to 38.
void addRowsFromTeamViewer(std::vector<VideoCallService>& t) {
    t.push_back(prefixRow("TeamViewer Meeting", "go\\.teamviewer\\.com/\\S+",
                          samples({"https://go.teamviewer.com/m12345678"}),
                          samples({"https://teamviewer.com/m123", "https://go.teamviewer.com/"})));
    t.push_back(prefixRow("VooV Meeting", "voovmeeting\\.com/\\S+",
                          samples({"https://voovmeeting.com/dm/AbCdEf"}),
                          samples({"https://voov.com/dm/abc", "https://voovmeeting.com/"})));
    t.push_back(prefixRow("Skype", "join\\.skype\\.com/\\S+",
                          samples({"https://join.skype.com/AbCdEfGhIjKl"}),
                          samples({"https://skype.com/join/abc", "https://join.skype.com/"})));
    t.push_back(prefixRow("Vonage", "meetings\\.vonage\\.com/\\d+",
                          samples({"https://meetings.vonage.com/123456789"}),
                          samples({"https://meetings.vonage.com/room", "https://vonage.com/123"})));
    t.push_back(prefixRow("Jam", "jam\\.systems/\\S+", samples({"https://jam.systems/our-room"}),
                          samples({"https://jam.dev/our-room", "https://jam.systems/"})));
    t.push_back(prefixRow("CoScreen", "join\\.coscreen\\.co/\\S+",
                          samples({"https://join.coscreen.co/AbC/xyz"}),
                          samples({"https://coscreen.co/abc", "https://join.coscreen.co/"})));
    t.push_back(prefixRow("Vowel", "(?:[\\w\\-]+\\.)?vowel\\.com/#/g/\\S+",
                          samples({"https://acme.vowel.com/#/g/standup-123"}),
                          samples({"https://vowel.com/pricing", "https://acme.vowel.com/#/g/"})));
    t.push_back(prefixRow(
        "Zhumu", "welink\\.zhumu\\.com/j/\\d+", samples({"https://welink.zhumu.com/j/123456789"}),
        samples({"https://zhumu.com/j/123456789", "https://welink.zhumu.com/j/abc"})));
    t.push_back(prefixRow(
        "Lark", "vc\\.(?:larksuite\\.com|feishu\\.cn)/j/\\d+",
        samples({"https://vc.larksuite.com/j/123456789", "https://vc.feishu.cn/j/987654321"}),
        samples({"https://larksuite.com/j/123", "https://vc.larksuite.com/j/room"})));
    t.push_back(prefixRow(
        "Vimeo", "vimeo\\.com/(?:showcase|event/\\d+)/\\S+|venues\\.vimeo\\.com/\\S+",
        samples({"https://vimeo.com/showcase/1234567/embed", "https://vimeo.com/event/123456/embed",
                 "https://venues.vimeo.com/acme/all-hands"}),
        samples({"https://vimeo.com/123456789", "https://vimeo.com/event/abc/embed"})));
    t.push_back(prefixRow("oVice", "(?:[\\w\\-]+\\.)?ovice\\.in/\\S+",
                          samples({"https://acme.ovice.in/lobby", "https://ovice.in/@acme"}),
                          samples({"https://ovice.com/lobby", "https://acme.ovice.in/"})));
    t.push_back(
        prefixRow("Gong", "(?:[\\w\\-]+\\.)?join\\.gong\\.io/\\S+",
                  samples({"https://join.gong.io/acme/jane.doe", "https://us-123.join.gong.io/x"}),
                  samples({"https://gong.io/acme", "https://app.gong.io/call?id=1"})));
    t.push_back(
        prefixRow("Livestorm", "app\\.livestorm\\.co/p/\\S+",
                  samples({"https://app.livestorm.co/p/abc-123/live"}),
                  samples({"https://livestorm.co/p/abc", "https://app.livestorm.co/home"})));
}

// Rows 39 to 50.
void addRowsFromPreply(std::vector<VideoCallService>& t) {
    t.push_back(prefixRow(
        "Preply", "preply\\.com/ua/chat/\\S+", samples({"https://preply.com/ua/chat/12345"}),
        samples({"https://preply.com/en/chat/12345", "https://preply.com/ua/chat/"})));
    t.push_back(prefixRow(
        "UserZoom", "go\\.userzoom\\.com/participate/[a-z\\d-]+",
        samples({"https://go.userzoom.com/participate/abc-123-def"}),
        samples({"https://userzoom.com/participate/abc", "https://go.userzoom.com/login"})));
    t.push_back(prefixRow(
        "Venue", "app\\.venue\\.live/app/\\S+", samples({"https://app.venue.live/app/acme/room"}),
        samples({"https://venue.live/app/acme", "https://app.venue.live/login"})));
    t.push_back(
        prefixRow("Teemyco", "app\\.teemyco\\.com/room/\\S+",
                  samples({"https://app.teemyco.com/room/AbCdEf"}),
                  samples({"https://teemyco.com/room/abc", "https://app.teemyco.com/office"})));
    t.push_back(prefixRow("Demodesk", "demodesk\\.com/\\S+",
                          samples({"https://demodesk.com/acme/jane"}),
                          samples({"https://demodesk.co/acme", "https://demodesk.com/"})));
    t.push_back(prefixRow(
        "Zoho Cliq", "cliq\\.zoho\\.eu/meetings/\\S+",
        samples({"https://cliq.zoho.eu/meetings/AbC123"}),
        samples({"https://cliq.zoho.com/meetings/abc", "https://cliq.zoho.eu/chats/abc"})));
    t.push_back(prefixRow("Reclaim", "reclaim\\.ai/z/[./\\w]+",
                          samples({"https://reclaim.ai/z/AbCd/ef12"}),
                          samples({"https://reclaim.ai/pricing", "https://app.reclaim.ai/z/abc"})));
    t.push_back(prefixRow("Relayed", "relayed\\.app/player/\\S+",
                          samples({"https://relayed.app/player/AbC123"}),
                          samples({"https://relayed.app/pricing", "https://relayed.app/player/"})));
    t.push_back(prefixRow("Join.me", "join\\.me/\\S+", samples({"https://join.me/acme-team"}),
                          samples({"https://join.me/", "https://joinme.com/acme"})));
    t.push_back(prefixRow(
        "Session", "app\\.sessions\\.us/\\S+", samples({"https://app.sessions.us/session/AbC123"}),
        samples({"https://sessions.us/session/abc", "https://app.sessions.us/"})));
    t.push_back(prefixRow("StreamYard", "streamyard\\.com/\\S+",
                          samples({"https://streamyard.com/abcd1234"}),
                          samples({"https://streamyard.co/abcd", "https://streamyard.com/"})));
    t.push_back(prefixRow("Pumble", "meet\\.pumble\\.com/\\S+",
                          samples({"https://meet.pumble.com/abc-defg-hij"}),
                          samples({"https://pumble.com/abc", "https://meet.pumble.com/"})));
}

std::vector<VideoCallService> buildTable() {
    std::vector<VideoCallService> table;
    addRowsFromGoToMeeting(table);
    addRowsFromChorus(table);
    addRowsFromTeamViewer(table);
    addRowsFromPreply(table);
    Q_ASSERT(table.size() == 50);
    return table;
}

} // namespace

const std::vector<VideoCallService>& allVideoCallServices() {
    static const std::vector<VideoCallService> table = buildTable();
    return table;
}

} // namespace ruvo::videocalls
