#pragma once

#include <QPrinter>
#include <memory>

// A print queue that takes every page of a job and refuses the job at its end, as a CUPS
// queue that rejects jobs does: the painter's end fails and the printer is left in error.
// Nothing is drawn anywhere.
class RefusingPrinter : public QPrinter {
public:
    explicit RefusingPrinter(const QString &queueName);
    ~RefusingPrinter() override;

private:
    class Engine;
    std::unique_ptr<Engine> engine_;
};
