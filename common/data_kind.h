#pragma once

/* The data-kind codes that name a kind of data across the editor, the plug-ins and PC files. */
enum DataKind {
    KIND_BOOKMARK = 1000,
    KIND_ADDRESS = 1001,
    KIND_MAIL = 1002,
    KIND_SCHEDULE = 1003
};
