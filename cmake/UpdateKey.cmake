# mervex_update_key_origin(<key> <development key> <out var>): checks that <key> is a PEM public key and sets
# <out var> to "development" when it is the development key of tools/signing/, else "own". A build with the
# development key says so with a warning: anyone holding that key's private half (it is in the repository)
# could sign an installer the build would accept.
function(mervex_update_key_origin key dev_key out_var)
    if(NOT IS_ABSOLUTE "${key}" OR NOT EXISTS "${key}")
        message(FATAL_ERROR "MERVEX_UPDATE_PUBLIC_KEY must be the absolute path of a PEM public key: ${key}")
    endif()
    file(STRINGS ${key} _begin REGEX "^-----BEGIN PUBLIC KEY-----$")
    if(NOT _begin)
        message(FATAL_ERROR "MERVEX_UPDATE_PUBLIC_KEY is not a PEM public key (openssl pkey -pubout): ${key}")
    endif()
    file(READ ${key} _key)
    file(READ ${dev_key} _dev_key)
    if(_key STREQUAL _dev_key)
        message(WARNING "The development update key is compiled in: this build accepts installers signed with "
                        "the private key in tools/signing/, which anyone can read. For a release, set "
                        "MERVEX_UPDATE_PUBLIC_KEY to the public half of a key of your own.")
        set(${out_var} development PARENT_SCOPE)
    else()
        message(STATUS "Update-signing public key: ${key}. The update tests sign their installers "
                       "with the development key and fail with this key.")
        set(${out_var} own PARENT_SCOPE)
    endif()
endfunction()
