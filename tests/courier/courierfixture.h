#pragma once

#include "courier/couriertables.h"
#include "support/documentfixture.h"

// The courier tables on the shared document fixture.
class CourierTest : public testsupport::DocumentTest
{
protected:
    CourierTest()
        : DocumentTest(courier::registerCourierTables)
    {
    }
};
