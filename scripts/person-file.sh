# Sourced by the scripts that start the program on a prepared list:
#   write_person_file FILE NAME YEAR MONTH DAY [NAME YEAR MONTH DAY ...]
# writes a person file of the given persons (ASCII names): a 32-bit count,
# then 100 records of 48 bytes, the free ones zero.

# Little-endian bytes of a number as printf escapes.
person_file_le16() { printf '\\x%02x\\x%02x' $(($1 & 255)) $(($1 >> 8 & 255)); }
person_file_le32() {
  printf '\\x%02x\\x%02x\\x%02x\\x%02x' $(($1 & 255)) $(($1 >> 8 & 255)) \
    $(($1 >> 16 & 255)) $(($1 >> 24 & 255))
}

# A record: name length, 40 name bytes, a filler byte, year, month and day.
person_file_record() {
  local name=$1 year=$2 month=$3 day=$4
  printf "$(printf '\\x%02x' ${#name})"
  printf '%s' "$name"
  head -c $((40 - ${#name} + 1)) /dev/zero
  printf "$(person_file_le16 "$year")$(person_file_le16 "$month")$(person_file_le16 "$day")"
}

write_person_file() {
  local file=$1
  shift
  local count=$(($# / 4))
  {
    printf "$(person_file_le32 "$count")"
    while [ $# -ge 4 ]; do
      person_file_record "$1" "$2" "$3" "$4"
      shift 4
    done
    head -c $(((100 - count) * 48)) /dev/zero
  } >"$file"
  [ "$(stat -c %s "$file")" -eq 4804 ] || { echo "person file is not 4804 bytes" >&2; return 1; }
}
