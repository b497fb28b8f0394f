#include "support/RefusingPrinter.h"

#include <QHash>
#include <QPaintEngine>
#include <QPrintEngine>
#include <climits>

namespace {

constexpr int Resolution = 1200;
constexpr int A4WidthMillimetres = 210;
constexpr int A4HeightMillimetres = 297;

int dots(int millimetres)
{
    return static_cast<int>(millimetres / 25.4 * Resolution);
}

} // namespace

// Both engines of the printer: the painter draws into nothing, and the job it ends fails.
class RefusingPrinter::Engine : public QPaintEngine, public QPrintEngine {
public:
    explicit Engine(const QString &queueName) : QPaintEngine(AllFeatures)
    {
        properties_[PPK_PrinterName] = queueName;
        properties_[PPK_Resolution] = Resolution;
    }

    bool begin(QPaintDevice *) override
    {
        state_ = QPrinter::Active;
        return true;
    }
    bool end() override
    {
        state_ = QPrinter::Error;
        return false;
    }
    void updateState(const QPaintEngineState &) override {}
    void drawPixmap(const QRectF &, const QPixmap &, const QRectF &) override {}
    void drawPath(const QPainterPath &) override {}
    void drawPolygon(const QPointF *, int, PolygonDrawMode) override {}
    void drawTextItem(const QPointF &, const QTextItem &) override {}
    Type type() const override { return User; }

    void setProperty(PrintEnginePropertyKey key, const QVariant &value) override
    {
        properties_[key] = value;
    }
    QVariant property(PrintEnginePropertyKey key) const override { return properties_.value(key); }
    bool newPage() override { return true; }
    bool abort() override { return false; }
    QPrinter::PrinterState printerState() const override { return state_; }

    int metric(QPaintDevice::PaintDeviceMetric metric) const override
    {
        switch (metric) {
        case QPaintDevice::PdmWidth: return dots(A4WidthMillimetres);
        case QPaintDevice::PdmHeight: return dots(A4HeightMillimetres);
        case QPaintDevice::PdmWidthMM: return A4WidthMillimetres;
        case QPaintDevice::PdmHeightMM: return A4HeightMillimetres;
        case QPaintDevice::PdmNumColors: return INT_MAX;
        case QPaintDevice::PdmDepth: return 32;
        case QPaintDevice::PdmDevicePixelRatio: return 1;
        case QPaintDevice::PdmDevicePixelRatioScaled:
            return static_cast<int>(QPaintDevice::devicePixelRatioFScale());
        default: return Resolution; // the dots per inch, logical and physical
        }
    }

private:
    QHash<int, QVariant> properties_;
    QPrinter::PrinterState state_ = QPrinter::Idle;
};

RefusingPrinter::RefusingPrinter(const QString &queueName)
    : engine_(std::make_unique<Engine>(queueName))
{
    setEngines(engine_.get(), engine_.get());
}

RefusingPrinter::~RefusingPrinter() = default;
