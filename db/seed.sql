-- The rows the register database starts with. The password is in capitals, as the
-- credentials form stores every password it sets; the login compares it exactly.

INSERT INTO UserTable VALUES (1, 'Admin', 'ADMIN', 'Administrator');

-- No late fee until one is set.
INSERT INTO gen VALUES (0, 0, 0, 0, 0);

-- General charges (duration 0) and charges assigned to members (duration 1).
INSERT INTO TYPEDEPOSITE VALUES ('MAINTENANCE', 1500, 0);
INSERT INTO TYPEDEPOSITE VALUES ('SINKING FUND', 500, 0);
INSERT INTO TYPEDEPOSITE VALUES ('PARKING', 300, 0);
INSERT INTO TYPEDEPOSITE VALUES ('WATER CHARGES', 200, 1);
INSERT INTO TYPEDEPOSITE VALUES ('NON OCCUPANCY CHARGES', 250, 1);

INSERT INTO TypeOfExpenditure VALUES ('ELECTRICITY');
INSERT INTO TypeOfExpenditure VALUES ('SECURITY');
INSERT INTO TypeOfExpenditure VALUES ('REPAIRS');
INSERT INTO TypeOfExpenditure VALUES ('HOUSEKEEPING');

-- The society's account; the account number is text so its leading zeros stay.
INSERT INTO BANKDETAIL VALUES ('STATE BANK OF INDIA', 'MAIN BRANCH', '00012345678', 'HOUSING SOCIETY');
