// Loaded into the installed program by Qt when the test names it in
// QT_QPA_GENERIC_PLUGINS: the program itself knows nothing of the journey.
#include "tests/journey/JourneyDriver.h"

#include <QGenericPlugin>

namespace stellaform::journey {

class JourneyPlugin final : public QGenericPlugin {
    Q_OBJECT
    Q_PLUGIN_METADATA(IID QGenericPluginFactoryInterface_iid FILE "journey.json")

public:
    QObject* create(const QString&, const QString&) override { return new JourneyDriver; }
};

} // namespace stellaform::journey

#include "JourneyPlugin.moc"
