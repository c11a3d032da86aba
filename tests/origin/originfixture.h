#pragma once

#include "origin/origintables.h"
#include "support/documentfixture.h"

// The EUR.1 and EUR.2 tables on the shared document fixture.
class OriginTest : public testsupport::DocumentTest
{
protected:
    OriginTest()
        : DocumentTest(origin::registerOriginTables)
    {
    }
};
