#!/usr/bin/env bash
# Prints the LDIF the tests' directory server (scripts/directory-server.sh) is
# seeded with: a small company under dc=example,dc=test, in the shape an
# Active Directory holds its people, plus a bulk folder for the benchmark.
#
# What a search for fax recipients finds, filter
#   (|(facsimileTelephoneNumber=*)(otherFacsimileTelephoneNumber=*))
# scope subtree:
#
#   base                        entries   fax values
#   ou=people,dc=example,dc=test   1509         1511
#   ou=contacts,dc=example,dc=test    1            1
#   ou=bench,dc=example,dc=test   10000        10000
#   ou=service,dc=example,dc=test     0            0
#   dc=example,dc=test            11510        11512
#
# ou=people holds 1,512 people: the 1,509 above and 3 without any fax number.
#   Person 0001 .. Person 1501   uid=person0001 ..; displayName and cn
#                                "Person NNNN", givenName "Person", sn "NNNN";
#                                fax "+1 555 01NNNN" (cleaned: +155501NNNN)
#   Jürgen Müller                fax "+49 30 1234567"
#   Łukasz Wołodźko              fax "+48 22 7654321"
#   山田 太郎                    fax "+81 3 1234 5678"
#   Doris Doppel                 two facsimileTelephoneNumber values,
#                                "+1 555 020001" and "+1 555 020002";
#                                her cn is "Doppel, Doris": displayName wins
#   Otto Other                   fax "+1 555 020003" and
#                                otherFacsimileTelephoneNumber "+1 555 020004"
#   Olga Onlyother               only otherFacsimileTelephoneNumber
#                                "+1 555 020005"
#   Carla Cnonly                 no displayName: the name is cn; fax
#                                "+1 555 020006"
#   Berg, Hanna                  no displayName, cn "Berg, Hanna", givenName
#                                "Hanna", sn "Berg": the name is cn, as with
#                                any entry without displayName; fax
#                                "+1 555 020007"
#   Nora Nofax, Tom Phoneonly, Mia Mailonly   no fax number at all
# An entry cannot hold an empty displayName (LDAP stores no empty values),
# and every person has a cn (the person class requires it), so the one
# fallback the directory can show is: displayName missing -> cn.
#
# ou=contacts holds the organizationalRole "Front Desk", fax "+1 555 020008".
# ou=bench holds Bench 00001 .. Bench 10000 (uid=bench00001 ..), fax
# "+1 555 1NNNNN" (cleaned: +15551NNNNN).
# ou=service holds the bind user uid=reader (password reader-secret).
set -euo pipefail

# "attribute:: base64" for values that are not plain ASCII, as LDIF asks.
utf8() {
    printf '%s:: %s\n' "$1" "$(printf '%s' "$2" | base64 -w 0)"
}

cat <<'EOF'
dn: dc=example,dc=test
objectClass: dcObject
objectClass: organization
dc: example
o: Example

EOF
for ou in people contacts service bench; do
    printf 'dn: ou=%s,dc=example,dc=test\nobjectClass: organizationalUnit\nou: %s\n\n' "$ou" "$ou"
done
cat <<'EOF'
dn: uid=reader,ou=service,dc=example,dc=test
objectClass: account
objectClass: simpleSecurityObject
uid: reader
userPassword: reader-secret

EOF

# count, uid prefix, name prefix, digits, fax prefix, folder
people() {
    awk -v count="$1" -v uid="$2" -v name="$3" -v digits="$4" -v fax="$5" -v ou="$6" 'BEGIN {
        for (i = 1; i <= count; i++) {
            n = sprintf("%0" digits "d", i)
            printf "dn: uid=%s%s,ou=%s,dc=example,dc=test\n", uid, n, ou
            printf "objectClass: inetOrgPerson\nuid: %s%s\n", uid, n
            printf "cn: %s %s\ndisplayName: %s %s\ngivenName: %s\nsn: %s\n", name, n, name, n, name, n
            printf "facsimileTelephoneNumber: %s%s\n\n", fax, n
        }
    }'
}

people 1501 person Person 4 "+1 555 01" people

# uid, given name, surname, fax: a person whose names need more than ASCII.
utf8_person() {
    printf 'dn: uid=%s,ou=people,dc=example,dc=test\nobjectClass: inetOrgPerson\nuid: %s\n' "$1" "$1"
    utf8 cn "$2 $3"
    utf8 displayName "$2 $3"
    utf8 givenName "$2"
    utf8 sn "$3"
    printf 'facsimileTelephoneNumber: %s\n\n' "$4"
}
utf8_person juergen.mueller 'Jürgen' 'Müller' '+49 30 1234567'
utf8_person lukasz.wolodzko 'Łukasz' 'Wołodźko' '+48 22 7654321'
utf8_person yamada.taro '山田' '太郎' '+81 3 1234 5678'

cat <<'EOF'
dn: uid=doris.doppel,ou=people,dc=example,dc=test
objectClass: inetOrgPerson
uid: doris.doppel
cn: Doppel, Doris
displayName: Doris Doppel
givenName: Doris
sn: Doppel
facsimileTelephoneNumber: +1 555 020001
facsimileTelephoneNumber: +1 555 020002

dn: uid=otto.other,ou=people,dc=example,dc=test
objectClass: inetOrgPerson
objectClass: otherFaxNumbers
uid: otto.other
cn: Otto Other
displayName: Otto Other
givenName: Otto
sn: Other
facsimileTelephoneNumber: +1 555 020003
otherFacsimileTelephoneNumber: +1 555 020004

dn: uid=olga.onlyother,ou=people,dc=example,dc=test
objectClass: inetOrgPerson
objectClass: otherFaxNumbers
uid: olga.onlyother
cn: Olga Onlyother
displayName: Olga Onlyother
givenName: Olga
sn: Onlyother
otherFacsimileTelephoneNumber: +1 555 020005

dn: uid=carla.cnonly,ou=people,dc=example,dc=test
objectClass: inetOrgPerson
uid: carla.cnonly
cn: Carla Cnonly
sn: Cnonly
facsimileTelephoneNumber: +1 555 020006

dn: uid=hanna.berg,ou=people,dc=example,dc=test
objectClass: inetOrgPerson
uid: hanna.berg
cn: Berg, Hanna
givenName: Hanna
sn: Berg
facsimileTelephoneNumber: +1 555 020007

dn: uid=nora.nofax,ou=people,dc=example,dc=test
objectClass: inetOrgPerson
uid: nora.nofax
cn: Nora Nofax
displayName: Nora Nofax
sn: Nofax

dn: uid=tom.phoneonly,ou=people,dc=example,dc=test
objectClass: inetOrgPerson
uid: tom.phoneonly
cn: Tom Phoneonly
displayName: Tom Phoneonly
sn: Phoneonly
telephoneNumber: +1 555 030001

dn: uid=mia.mailonly,ou=people,dc=example,dc=test
objectClass: inetOrgPerson
uid: mia.mailonly
cn: Mia Mailonly
displayName: Mia Mailonly
sn: Mailonly
mail: mia.mailonly@example.test

dn: cn=Front Desk,ou=contacts,dc=example,dc=test
objectClass: organizationalRole
cn: Front Desk
description: Reception
facsimileTelephoneNumber: +1 555 020008

EOF

people 10000 bench Bench 5 "+1 555 1" bench
