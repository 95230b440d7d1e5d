#include "document/document_state.h"

DocumentState Document;
